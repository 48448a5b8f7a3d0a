#include "framework/ui/FileListLocale.h"

#include <QFileSystemModel>
#include <QLocale>

namespace fw {

namespace {

// The columns of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

}  // namespace

QVariant FileListLocale::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    switch (index.column()) {
    case kSizeColumn:
        // A folder has no size of its own; the model leaves it blank.
        if (files->isDir(source)) break;
        return QLocale().formattedDataSize(files->size(source));
    case kDateColumn:
        return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(index, role);
}

}  // namespace fw
