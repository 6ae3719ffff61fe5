#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace cssbinder {

// What a file dialog asks for and how it opens: the folder it starts in, the file it offers, the
// suffix a name typed without one gets, and its name filters, the first one chosen.
struct FileRequest {
    enum class Kind { OpenFile, SaveFile, Folder };
    Kind kind;
    QString folder;
    QString fileName = {};
    QString defaultSuffix = {};
    QStringList nameFilters = {};
};

// The file or folder the user chose, or an empty text when the user cancels. A file saved over an
// existing one is not asked about: the caller keeps a backup.
QString AskForFile(QWidget* parent, const FileRequest& request);

// Tests choose in place of the user: while a chooser is set, it gets every request and no dialog
// shows. An empty chooser shows the dialogs again.
using FileChooser = std::function<QString(const FileRequest&)>;
void SetFileChooserForTests(FileChooser chooser);

} // namespace cssbinder
