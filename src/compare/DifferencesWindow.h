#pragma once
// The list of what differs between the unit and a clone file, in a window whose text can be
// selected and copied whole.

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace norva {

class DifferencesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit DifferencesWindow(QWidget* parent = nullptr);

    // `file` was compared with the unit; no lines when they hold the same.
    void show(const QString& file, const QStringList& lines);

    QPlainTextEdit* text;
    QPushButton* copy;
};

}  // namespace norva
