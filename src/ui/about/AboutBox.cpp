#include "AboutBox.h"

#include <QShortcut>

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
    {QT_TRANSLATE_NOOP("zantor::AboutBox", "- The Qt Project (widgets and images)"), 273},
    {QT_TRANSLATE_NOOP("zantor::AboutBox", "- Kitware (the CMake build)"), 161},
    {QT_TRANSLATE_NOOP("zantor::AboutBox", "- The GCC team (the compiler)"), 185},
    {QT_TRANSLATE_NOOP("zantor::AboutBox", "- Ninja (quick builds)"), 161},
    {QT_TRANSLATE_NOOP("zantor::AboutBox", "- Our testers (bug reports and ideas)"), 249},
};
}  // namespace

AboutBox::AboutBox(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About %1").arg(AppInfo::name()));
    setFixedSize(312, 170);
    // A box with nothing to answer: Esc closes it, as it does a dialog.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    // The small face the labels were laid out for; 17 pixels a line.
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);

    nameLabel = MakeLabel(this, QStringLiteral("Label1"), AppInfo::name(), QRect(0, 0, 305, 49),
                          Qt::AlignCenter);
    nameLabel->setFont(NameFont());
    QPalette orange = nameLabel->palette();
    orange.setColor(QPalette::WindowText, QColor(255, 128, 0));
    nameLabel->setPalette(orange);

    creditLabel =
        MakeLabel(this, QStringLiteral("Label2"), tr("Zantor team"), QRect(8, 48, 129, 17));
    purposeLabel = MakeLabel(this, QStringLiteral("Label10"), tr("Game Boy map editor"),
                             QRect(72, 48, 193, 17), Qt::AlignCenter);
    versionLabel = MakeLabel(this, QStringLiteral("Label3"), AppInfo::versionText(),
                             QRect(232, 48, 73, 17), Qt::AlignRight | Qt::AlignVCenter);
    thanksHeading = MakeLabel(this, QStringLiteral("Label4"), tr("THX to:"), QRect(16, 72, 97, 17));
    QFont bold = small;
    bold.setBold(true);
    thanksHeading->setFont(bold);

    for (size_t i = 0; i < thanks.size(); ++i) {
        thanks[i] = MakeLabel(this, QStringLiteral("Label%1").arg(5 + i), tr(kThanks[i].text),
                              QRect(32, 88 + 16 * int(i), kThanks[i].width, 17));
    }
}

}  // namespace zantor
