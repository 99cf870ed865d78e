#include "platform/desktop/WholeFile.h"

#include <QSaveFile>

namespace platform {

bool writeWholeFile(const QString& path, const QByteArray& contents, QFileDevice::Permissions permissions) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (permissions && !file.setPermissions(permissions)) {
        file.cancelWriting();
        return false;
    }
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
