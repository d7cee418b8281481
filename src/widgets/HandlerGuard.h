#pragma once

#include <QCoreApplication>
#include <QWidget>

#include "Dialogs.h"
#include "base/Error.h"

namespace zantor {

// Every handler body runs inside this, so no exception crosses Qt's event loop. A failed byte
// read or write, a file that cannot be opened, read or saved, a refused backup, patch or repack
// is reported; the action is cancelled and the program goes on with its state intact. Returns false
// when the body did not complete.
template <class Body>
bool Guarded(QWidget* owner, Body&& body) {
    try {
        body();
        return true;
    } catch (const Error& error) {
        Dialogs::message(owner, error.text(), error.title(), Dialogs::Icon::Critical);
    } catch (const std::bad_alloc&) {
        Dialogs::message(owner,
                         QCoreApplication::translate(
                             "Guarded", "Out of memory; the action was not carried out."),
                         {}, Dialogs::Icon::Critical);
    }
    return false;
}

}  // namespace zantor
