#pragma once
// Every question the program asks and every message it shows goes through Dialogs: Qt's
// dialogs in the program, scripted answers in tests and on the command line. An operation
// then reads the same whether a person or a script answers it.

#include <QString>
#include <memory>

class QPrinter;

namespace norva {

enum class MessageIcon { Information, Warning, Critical };

struct FileRequest {
    QString title;
    // Pairs of description and patterns, "Norva Measures(*.nvm)|*.nvm"; several patterns
    // in one pair are separated by ';'.
    QString filter;
    // Added when the chosen name has no extension; with or without the dot.
    QString defaultExtension;
    QString initialName;
    bool overwritePrompt = false;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The chosen path, or empty when the user cancelled.
    virtual QString openFile(const FileRequest& request) = 0;
    virtual QString saveFile(const FileRequest& request) = 0;
    // The text entered, or empty when the user cancelled.
    virtual QString inputBox(const QString& title, const QString& prompt,
                             const QString& defaultText) = 0;
    // A message with an OK button. An empty title shows the program's name.
    virtual void message(const QString& text, const QString& title = {},
                         MessageIcon icon = MessageIcon::Information) = 0;
    // The printer the user chose and set up, or nothing when the user cancelled.
    virtual std::unique_ptr<QPrinter> selectPrinter() = 0;
    // The busy mouse pointer while a long operation runs.
    virtual void setBusy(bool busy) = 0;
};

inline const QString kProgramTitle = QStringLiteral("NORVA System");

// "Norva Measures(*.nvm)|*.nvm|All(*.*)|*.*" as Qt writes it:
// "Norva Measures (*.nvm);;All (*.*)".
QString QtFileFilter(const QString& filter);
// The path with ".ext" added when its file name has no extension of its own.
QString WithDefaultExtension(const QString& path, const QString& extension);

}  // namespace norva
