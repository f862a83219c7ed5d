#pragma once
// Marks every text it is asked for: a text shown without the marks was never translatable.

#include <QCoreApplication>
#include <QTranslator>

namespace norva {

class MarkingTranslator : public QTranslator {
  public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("\u00AB") + QString::fromUtf8(source) + QStringLiteral("\u00BB");
    }
};

}  // namespace norva
