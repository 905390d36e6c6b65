#pragma once
// A text of the interface: its Chinese source, as the windows were laid out, and the context a
// translator finds it under. Wherever a QString is wanted it reads in the interface's language:
// the installed translation, or else the source itself, byte for byte. Files never use one (see
// file_texts.h): they stay Chinese whatever the interface speaks.
#include <QCoreApplication>
#include <QString>
#include <utility>

namespace eqbond::text {

class ScreenText {
  public:
    // What QT_TRANSLATE_NOOP3 marks: a source and what tells it apart from the same source
    // meaning something else in the same context.
    struct Source {
        const char* text;
        const char* disambiguation;
    };

    // `context` and `source` as marked for lupdate with QT_TRANSLATE_NOOP.
    constexpr ScreenText(const char* context, const char* source)
        : context_(context), source_(source), disambiguation_(nullptr) {}
    constexpr ScreenText(const char* context, Source source)
        : context_(context), source_(source.text), disambiguation_(source.disambiguation) {}

    QString shown() const {
        return QCoreApplication::translate(context_, source_, disambiguation_);
    }
    operator QString() const { return shown(); }
    template <typename... Args>
    QString arg(Args&&... args) const {
        return shown().arg(std::forward<Args>(args)...);
    }

    const char* context() const { return context_; }
    const char* source() const { return source_; }
    const char* disambiguation() const { return disambiguation_; }

  private:
    const char* context_;
    const char* source_;
    const char* disambiguation_;
};

}  // namespace eqbond::text
