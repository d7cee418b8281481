#pragma once

#include <QWidget>

#include "Dialogs.h"
#include "base/BackupError.h"
#include "base/FileError.h"
#include "codec/RomAccessError.h"
#include "codec/RomFileError.h"
#include "map/RepackError.h"

namespace zantor {

// Every handler body runs inside this, so no exception crosses Qt's event loop. A failed byte
// read or write, or a file that cannot be opened, read or saved, is reported; the action is
// cancelled and the program goes on with its state intact. Returns false when the body did not
// complete.
template <class Body>
bool Guarded(QWidget* owner, Body&& body) {
    try {
        body();
        return true;
    } catch (const RomAccessError& error) {
        Dialogs::message(owner, error.text(), RomAccessError::title(), Dialogs::Icon::Critical);
    } catch (const RomFileError& error) {
        Dialogs::message(owner, error.text(), {}, Dialogs::Icon::Critical);
    } catch (const FileError& error) {
        Dialogs::message(owner, error.text(), {}, Dialogs::Icon::Critical);
    } catch (const BackupError& error) {
        Dialogs::message(owner, error.text(), {}, Dialogs::Icon::Critical);
    } catch (const RepackError& error) {
        Dialogs::message(owner, error.text(), {}, Dialogs::Icon::Critical);
    } catch (const std::bad_alloc&) {
        Dialogs::message(owner, QStringLiteral("Out of memory; the action was not carried out."),
                         {}, Dialogs::Icon::Critical);
    }
    return false;
}

}  // namespace zantor
