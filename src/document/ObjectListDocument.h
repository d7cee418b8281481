#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

#include "Document.h"
#include "map/ObjectList.h"
#include "map/ObjectListSource.h"

namespace zantor {

class RomFile;
class RomSession;

// The object list (enemies and items) that one or more levels' pointers lead to. Owned by the
// session: levels whose pointers are equal share one document, and it knows which they are.
// It holds the objects in the stored order (saving sorts them by X), the selected objects, and
// the history; every edit is one undo step, and one that changes nothing leaves no step.
// Nothing reaches the ROM before save(), which writes through the session in one commit.
class ObjectListDocument : public Document {
    Q_OBJECT

public:
    // A list as read (`source.levels`: the levels whose pointers lead to it, the first the one
    // saves go by), with a new history.
    ObjectListDocument(RomSession* session, const ObjectListSource& source,
                       QObject* parent = nullptr);
    ~ObjectListDocument() override;

    // Reads the list from the session's ROM and starts a new history. When it cannot be read
    // the document is empty and loadError() says why. Never throws.
    void reload();
    bool isLoaded() const { return loaded_; }
    const QString& loadError() const { return loadError_; }

    const QList<int>& levels() const { return levels_; }
    bool isShared() const { return levels_.size() > 1; }
    const std::vector<LevelObject>& objects() const { return objects_; }
    int count() const { return int(objects_.size()); }

    // The selected objects' indices, ascending.
    const QList<int>& selection() const { return selection_; }
    bool isSelected(int index) const { return selection_.contains(index); }
    void setSelection(QList<int> indices);
    // A click: `index` alone, or added to (toggled in) the selection with `add`.
    void select(int index, bool add);

    // --- Edits ---
    // Appends objects (a paste, an insert) and selects them.
    void addObjects(const std::vector<LevelObject>& added);
    // Moves objects by `delta` pixels, kept inside the level. Moves with the same non-zero
    // `dragKey` (one drag) are one step.
    void moveObjects(const QList<int>& indices, QPoint delta, int dragKey = 0);
    void deleteObjects(const QList<int>& indices);
    void setType(const QList<int>& indices, int type);
    // All hidden in Easy mode when any of them is shown, else all shown.
    void toggleHiddenInEasyMode(const QList<int>& indices);
    // The whole list replaced (an import), as one step named `text`.
    void replaceObjects(const std::vector<LevelObject>& objects, const QString& text);
    // One object replaced as a whole (a row of the objects panel).
    void setObject(int index, const LevelObject& object);
    // A key for moveObjects(): one per drag.
    int newDragKey() { return ++dragKeys_; }

    // Why the objects cannot be saved as they are, or an empty text.
    QString saveProblem() const;
    // Whether saving needs its region repacked, read from the ROM as it is; `whyNot` gets why
    // a repack cannot help either (then saving fails). Throws RomFileError.
    bool needsRepack(QString* whyNot = nullptr) const;

    struct SaveResult {
        bool written = false;
        bool repacked = false;
        QList<int> movedLevels;
        int32_t offset = 0;
        int bytes = 0;
    };
    // Writes the list sorted by X, with `repack` when it outgrew its slot, in one commit.
    // Throws ObjectListError and RepackError (refused: nothing written), RomFileError and
    // BackupError; the document is then unchanged.
    SaveResult save(bool repack = false);

    // The topmost (last) object whose box holds the level point; -1 when none does.
    int objectAt(QPointF levelPoint) const;

    // The box an object is drawn as, in level pixels.
    static QRect boxOf(const LevelObject& object) { return QRect(object.x, object.y, 16, 16); }

signals:
    // Read anew (also when it could not be).
    void loaded();
    // Objects changed; `area` (level pixels) covers their boxes before and after.
    void objectsChanged(const QRect& area);
    void selectionChanged();

protected:
    bool differsFromRom() const override;

private:
    friend class ObjectListCommand;
    void applyState(const std::vector<LevelObject>& objects, const QList<int>& selection);
    void push(const QString& text, std::vector<LevelObject> after, QList<int> selection,
              int mergeKey = 0);
    QList<int> valid(QList<int> indices) const;

    RomSession* session_;
    QList<int> levels_;
    bool loaded_ = false;
    QString loadError_;
    std::vector<LevelObject> objects_;
    std::vector<LevelObject> savedObjects_;
    QList<int> selection_;
    int dragKeys_ = 0;
};

}  // namespace zantor
