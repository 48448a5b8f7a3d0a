#pragma once

#include <QIdentityProxyModel>

namespace fw {

// Sits between the open-file dialog and its file system model and writes the sizes and
// dates of the file list in the interface's locale; the model itself takes the machine's.
class FileListLocale : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace fw
