#include "ui/app/FileDialogs.h"

#include <QFileDialog>

namespace cssbinder {
namespace {

FileChooser& TestChooser() {
    static FileChooser chooser;
    return chooser;
}

} // namespace

QString AskForFile(QWidget* parent, const FileRequest& request) {
    if (TestChooser()) {
        return TestChooser()(request);
    }
    QFileDialog dialog(parent, QString(), request.folder);
    switch (request.kind) {
    case FileRequest::Kind::OpenFile:
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileRequest::Kind::SaveFile:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        break;
    case FileRequest::Kind::Folder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void SetFileChooserForTests(FileChooser chooser) {
    TestChooser() = std::move(chooser);
}

} // namespace cssbinder
