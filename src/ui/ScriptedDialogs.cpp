#include "ui/ScriptedDialogs.h"

#include <QPagedPaintDevice>
#include <algorithm>

namespace norva {

using Kind = DialogCall::Kind;

std::vector<DialogCall> ScriptedDialogs::calls(Kind kind) const {
    std::vector<DialogCall> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [kind](const DialogCall& c) { return c.kind == kind; });
    return out;
}

std::vector<QString> ScriptedDialogs::messages() const {
    std::vector<QString> out;
    for (const DialogCall& c : calls_) {
        if (c.kind == Kind::Message) out.push_back(c.text);
    }
    return out;
}

int ScriptedDialogs::unanswered() const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [](const DialogCall& c) { return !c.answered; }));
}

bool ScriptedDialogs::allAnswered() const {
    return opens_.empty() && saves_.empty() && inputs_.empty() && printers_.empty() &&
           questions_.empty();
}

DialogCall& ScriptedDialogs::record(Kind kind, const QString& title, const QString& text) {
    DialogCall& call = calls_.emplace_back();
    call.kind = kind;
    call.title = title;
    call.text = text;
    return call;
}

QString ScriptedDialogs::file(Kind kind, std::deque<QString>& answers, const FileRequest& request) {
    DialogCall& call = record(kind, request.title, {});
    call.filter = request.filter;
    call.defaultText = request.initialName;
    call.defaultExtension = request.defaultExtension;
    call.overwritePrompt = request.overwritePrompt;
    call.answered = !answers.empty();
    if (call.answered) {
        call.answer = exactPaths_ ? answers.front()
                                  : WithDefaultExtension(answers.front(), request.defaultExtension);
        answers.pop_front();
    }
    return call.answer;
}

Task<QString> ScriptedDialogs::openFile(FileRequest request) {
    co_return file(Kind::OpenFile, opens_, request);
}

Task<QString> ScriptedDialogs::saveFile(FileRequest request) {
    co_return file(Kind::SaveFile, saves_, request);
}

Task<QString> ScriptedDialogs::inputBox(QString title, QString prompt, QString defaultText) {
    DialogCall& call = record(Kind::Input, title, prompt);
    call.defaultText = defaultText;
    call.answered = !inputs_.empty();
    if (call.answered) {
        call.answer = inputs_.front();
        inputs_.pop_front();
    }
    co_return call.answer;
}

Task<QString> ScriptedDialogs::choose(QString title, QString prompt, QStringList items,
                                      int current) {
    DialogCall& call = record(Kind::Choice, title, prompt);
    call.items = items;
    call.defaultText = items.value(current);
    call.answered = !inputs_.empty();
    if (call.answered) {
        if (items.contains(inputs_.front())) call.answer = inputs_.front();
        inputs_.pop_front();
    }
    co_return call.answer;
}

std::unique_ptr<ScriptedDialogs> ScriptedDialogs::ForCommandLine(std::FILE* messages,
                                                                 std::FILE* listing) {
    auto dialogs = std::make_unique<ScriptedDialogs>(messages);
    dialogs->listing_ = listing;
    dialogs->exactPaths_ = true;
    return dialogs;
}

Task<> ScriptedDialogs::listing(QStringList lines, QString summary) {
    if (!listing_) {
        co_await Dialogs::listing(std::move(lines), std::move(summary));
        co_return;
    }
    for (const QString& line : lines) std::fprintf(listing_, "%s\n", qPrintable(line));
    std::fflush(listing_);
    co_await message(summary);
}

Task<> ScriptedDialogs::message(QString text, QString title, MessageIcon icon) {
    notify(text, title, icon);
    co_return;
}

void ScriptedDialogs::notify(const QString& text, const QString& title, MessageIcon icon) {
    DialogCall& call = record(Kind::Message, title.isEmpty() ? kProgramTitle : title, text);
    call.icon = icon;
    if (echo_) {
        std::fprintf(echo_, "norva: %s\n", qPrintable(text));
        std::fflush(echo_);
    }
}

Task<bool> ScriptedDialogs::ask(QString question, QString details, QString title) {
    DialogCall& call = record(Kind::Question, title.isEmpty() ? kProgramTitle : title, question);
    call.defaultText = details;
    call.answered = !questions_.empty() || everyQuestion_;
    const bool yes = !questions_.empty() ? questions_.front() : everyQuestion_.value_or(false);
    if (!questions_.empty()) questions_.pop_front();
    call.answer = yes ? QStringLiteral("Yes") : QStringLiteral("No");
    if (echo_) {
        if (!details.isEmpty()) std::fprintf(echo_, "%s\n", qPrintable(details));
        std::fprintf(echo_, "norva: %s %s\n", qPrintable(question), qPrintable(call.answer));
        std::fflush(echo_);
    }
    co_return yes;
}

Task<std::unique_ptr<QPagedPaintDevice>> ScriptedDialogs::selectPrinter() {
    DialogCall& call = record(Kind::Printer, {}, {});
    call.answered = !printers_.empty();
    if (!call.answered) co_return nullptr;
    auto make = std::move(printers_.front());
    printers_.pop_front();
    co_return make();
}

}  // namespace norva
