#include "core/applicationinfo.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace parta {

void nameApplication()
{
    QCoreApplication::setApplicationName(applicationinfo::name());
    QCoreApplication::setApplicationVersion(applicationinfo::version());
    QGuiApplication::setDesktopFileName(applicationinfo::id());
}

} // namespace parta
