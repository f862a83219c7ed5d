#pragma once
// Dialogs answered from a script: queued answers for each kind of question, and a record of
// every question asked and every message shown. Every question is answered at once. A
// question without a queued answer is answered as if the user cancelled, and is recorded as
// unanswered. On the command line the messages can also be echoed to a stream.

#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/Dialogs.h"

namespace norva {

struct DialogCall {
    enum class Kind { OpenFile, SaveFile, Input, Choice, Message, Printer, Question };
    Kind kind = Kind::Message;
    QString title;
    QString text;         // the prompt or message
    QString filter;       // file questions: as the program wrote it
    QString defaultText;  // input default, the file's initial name, a question's details, or
                          // the item a choice offers first
    QStringList items;    // a choice's
    QString defaultExtension;
    bool overwritePrompt = false;
    MessageIcon icon = MessageIcon::Information;
    bool answered = true;
    QString answer;
};

class ScriptedDialogs : public Dialogs {
  public:
    explicit ScriptedDialogs(std::FILE* echo = nullptr) : echo_(echo) {}
    // The command line's: messages echoed to `messages`, lists printed to `listing`, and file
    // names taken exactly as typed (no extension added, as a file dialog would).
    static std::unique_ptr<ScriptedDialogs> ForCommandLine(std::FILE* messages, std::FILE* listing);

    // An empty answer is a cancel; for an input box a null one (QString()), an empty one ("")
    // being an empty text entered. Inputs also answer choices: one not among the items offered
    // is a cancel.
    void answerOpenFile(const QString& path) { opens_.push_back(path); }
    void answerSaveFile(const QString& path) { saves_.push_back(path); }
    void answerInput(const QString& text) { inputs_.push_back(text); }
    void answerQuestion(bool yes) { questions_.push_back(yes); }
    // Questions with no queued answer get this one instead of counting as a cancel.
    void answerEveryQuestion(bool yes) { everyQuestion_ = yes; }
    // Makes the printer to hand back; returning nothing is a cancel.
    void answerPrinter(std::function<std::unique_ptr<QPagedPaintDevice>()> make) {
        printers_.push_back(std::move(make));
    }

    const std::vector<DialogCall>& calls() const { return calls_; }
    std::vector<DialogCall> calls(DialogCall::Kind kind) const;
    std::vector<QString> messages() const;
    int unanswered() const;
    // True when every queued answer was used.
    bool allAnswered() const;

    Task<QString> openFile(FileRequest request) override;
    Task<QString> saveFile(FileRequest request) override;
    Task<QString> inputBox(QString title, QString prompt, QString defaultText) override;
    Task<QString> choose(QString title, QString prompt, QStringList items, int current) override;
    Task<> message(QString text, QString title = {},
                   MessageIcon icon = MessageIcon::Information) override;
    void notify(const QString& text, const QString& title = {},
                MessageIcon icon = MessageIcon::Information) override;
    Task<bool> ask(QString question, QString details = {}, QString title = {}) override;
    Task<std::unique_ptr<QPagedPaintDevice>> selectPrinter() override;
    Task<> listing(QStringList lines, QString summary) override;

  private:
    DialogCall& record(DialogCall::Kind kind, const QString& title, const QString& text);
    QString file(DialogCall::Kind kind, std::deque<QString>& answers, const FileRequest& request);

    std::FILE* echo_;
    std::FILE* listing_ = nullptr;
    bool exactPaths_ = false;
    std::deque<QString> opens_;
    std::deque<QString> saves_;
    std::deque<QString> inputs_;
    std::deque<bool> questions_;
    std::optional<bool> everyQuestion_;
    std::deque<std::function<std::unique_ptr<QPagedPaintDevice>()>> printers_;
    std::vector<DialogCall> calls_;
};

}  // namespace norva
