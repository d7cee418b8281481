#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace zantor {

// Message boxes, file dialogs and the end of the program, in one place so that tests can
// answer them (Dialogs::Script) instead of a person.
class Dialogs {
public:
    enum class Icon { None, Critical, Information };
    enum class FileKind { Open, Save };
    enum class Answer { Save, Discard, Cancel, Yes, No };

    // An empty title is the application's title.
    static void message(QWidget* parent, const QString& text, const QString& title = {},
                        Icon icon = Icon::None);

    // A question with the given answers, the first one the default. Closing the box answers the
    // last one (Cancel or No by convention).
    static Answer ask(QWidget* parent, const QString& text, const QString& title,
                      const QList<Answer>& answers);
    // The same with a check box under the text ("Do not ask again ..."); *checked says how it
    // was left (a script leaves it unchecked).
    static Answer ask(QWidget* parent, const QString& text, const QString& title,
                      const QList<Answer>& answers, const QString& option, bool* checked);
    // "Save changes to ...?" before an action that would drop unsaved work: Save, Discard or
    // Cancel. `what` names the work ("the changes to Tree Zone 1").
    static Answer askToSave(QWidget* parent, const QString& what);
    // The whole question before an action that would drop unsaved work: true when the caller
    // may go on (nothing unsaved, Discard, or Save and `save` succeeded).
    static bool maybeSave(QWidget* parent, bool modified, const QString& what,
                          const std::function<bool()>& save);

    // filter: "Description|patterns|Description|patterns", patterns joined by ';'.
    // nullopt when the user cancels. fileName is the dialog's preset name.
    static std::optional<QString> chooseFile(QWidget* parent, FileKind kind, const QString& title,
                                             const QString& filter, const QString& fileName);

    // "Gameboy roms(*.gb;*.gbc)|*.gb;*.gbc|All Files(*.*)|*.*" as Qt's name filter list,
    // "Gameboy roms (*.gb *.gbc);;All Files (*)".
    static QString qtFilter(const QString& filter);

    // What tests put in place of a person.
    struct Script {
        std::function<void(const QString& text, const QString& title, Icon icon)> onMessage;
        std::function<std::optional<QString>(FileKind kind, const QString& title,
                                             const QString& filter, const QString& fileName)>
            onChooseFile;
        // Without it, a scripted question gets its last answer.
        std::function<Answer(const QString& text, const QString& title,
                             const QList<Answer>& answers)>
            onAsk;
    };
    // Installs a script for as long as the guard lives.
    class ScopedScript {
    public:
        explicit ScopedScript(Script script);
        ~ScopedScript();
        ScopedScript(const ScopedScript&) = delete;
        ScopedScript& operator=(const ScopedScript&) = delete;

    private:
        std::optional<Script> previous_;
    };
};

}  // namespace zantor
