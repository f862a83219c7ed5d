#pragma once
// Every question the program asks and every message it shows goes through Dialogs: Qt's
// dialogs in the program, scripted answers in tests and on the command line. An operation
// then reads the same whether a person or a script answers it. Questions are awaited
// (`co_await dialogs.message(...)`): a dialog never runs an event loop of its own, so the
// poll goes on exactly as before while it is open.

#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

#include "base/Task.h"

class QPagedPaintDevice;

namespace norva {

enum class MessageIcon { Information, Warning, Critical };

struct FileRequest {
    FileRequest(QString title, QString filter, QString defaultExtension, QString initialName = {},
                bool overwritePrompt = false)
        : title(std::move(title)),
          filter(std::move(filter)),
          defaultExtension(std::move(defaultExtension)),
          initialName(std::move(initialName)),
          overwritePrompt(overwritePrompt) {}

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
    virtual Task<QString> openFile(FileRequest request) = 0;
    virtual Task<QString> saveFile(FileRequest request) = 0;
    // The text entered, or a null string when the user cancelled. An empty text entered is
    // empty but not null, for the few questions an empty answer means something to (a service
    // without a note); elsewhere any empty answer is taken as a cancel.
    virtual Task<QString> inputBox(QString title, QString prompt, QString defaultText) = 0;
    // A password: as inputBox, but what is typed is not shown.
    virtual Task<QString> password(QString title, QString prompt) {
        return inputBox(std::move(title), std::move(prompt), {});
    }
    // One of `items`, item `current` chosen at first, or empty when the user cancelled. Where a
    // name must be one already known, typing it would only invite a slip.
    virtual Task<QString> choose(QString title, QString prompt, QStringList items, int current) = 0;
    // A message with an OK button, done when the user has closed it. An empty title shows the
    // program's name.
    virtual Task<> message(QString text, QString title = {},
                           MessageIcon icon = MessageIcon::Information) = 0;
    // The same message, shown without waiting for it: for a refusal in a click handler.
    virtual void notify(const QString& text, const QString& title = {},
                        MessageIcon icon = MessageIcon::Information) = 0;
    // A question answered Yes or No, with what it is about in `details` (shown scrollable when
    // long). False for No, or when the user closed it. Texts are taken by value: a coroutine
    // keeps what it was given, where a reference would outlive the caller's temporary.
    virtual Task<bool> ask(QString question, QString details = {}, QString title = {}) = 0;
    // The same question with a check box for `option`, unticked at first: Yes or No, and
    // whether it was ticked. Where no box can be shown, it stays unticked.
    struct Choice {
        bool yes = false;
        bool ticked = false;
    };
    virtual Task<Choice> askWithOption(QString question, QString details, QString option);
    // The printer the user chose and set up (a page device: the printer in the program, a PDF
    // file in a script), or nothing when the user cancelled.
    virtual Task<std::unique_ptr<QPagedPaintDevice>> selectPrinter() = 0;
    // A list the user asked for (a dry run's changes) with a closing line: one message in the
    // window; on the command line the list is the command's output.
    virtual Task<> listing(QStringList lines, QString summary) {
        lines << summary;
        co_await message(lines.join(QLatin1Char('\n')));
    }
};

inline const QString kProgramTitle = QStringLiteral("NORVA System");

// "Norva Measures(*.nvm)|*.nvm|All(*.*)|*.*" as Qt writes it:
// "Norva Measures (*.nvm);;All (*.*)".
QString QtFileFilter(const QString& filter);
// The path with ".ext" added when its file name has no extension of its own.
QString WithDefaultExtension(const QString& path, const QString& extension);

}  // namespace norva
