#include "AboutBox.h"

#include "base/AppInfo.h"

namespace zantor {

namespace {
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

// Comic Sans MS where it is installed; elsewhere a rounded hand-lettered face, or whatever
// the system offers for a casual style, at the same size.
QFont NameFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                      QStringLiteral("Comic Relief")});
    font.setStyleHint(QFont::Cursive);
    font.setPointSizeF(26.25);
    font.setWeight(QFont::Normal);
    return font;
}

struct ThanksLine {
    const char* text;
    int width;
};
constexpr ThanksLine kThanks[] = {
    {"- The Qt Project (widgets and images)", 273}, {"- Kitware (the CMake build)", 161},
    {"- The GCC team (the compiler)", 185},         {"- Ninja (quick builds)", 161},
    {"- Our testers (bug reports and ideas)", 249},
};
}  // namespace

frmInfo::frmInfo(QWidget* parent) : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ") + AppInfo::name());
    setFixedSize(312, 170);
    // The small face the labels were laid out for; 17 pixels a line.
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);

    Label1 = MakeLabel(this, QStringLiteral("Label1"), AppInfo::name(), QRect(0, 0, 305, 49),
                       Qt::AlignCenter);
    Label1->setFont(NameFont());
    QPalette orange = Label1->palette();
    orange.setColor(QPalette::WindowText, QColor(255, 128, 0));
    Label1->setPalette(orange);

    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("Zantor team"),
                       QRect(8, 48, 129, 17));
    Label10 = MakeLabel(this, QStringLiteral("Label10"), QStringLiteral("Game Boy map editor"),
                        QRect(72, 48, 193, 17), Qt::AlignCenter);
    Label3 = MakeLabel(this, QStringLiteral("Label3"), QString(), QRect(232, 48, 73, 17),
                       Qt::AlignRight | Qt::AlignVCenter);
    Label4 =
        MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("THX to:"), QRect(16, 72, 97, 17));
    QFont bold = small;
    bold.setBold(true);
    Label4->setFont(bold);

    for (size_t i = 0; i < thanks.size(); ++i) {
        thanks[i] = MakeLabel(this, QStringLiteral("Label%1").arg(5 + i),
                              QString::fromUtf8(kThanks[i].text),
                              QRect(32, 88 + 16 * int(i), kThanks[i].width, 17));
    }
    Form_Load();
}

void frmInfo::Form_Load() {
    Label3->setText(AppInfo::versionText());
}

}  // namespace zantor
