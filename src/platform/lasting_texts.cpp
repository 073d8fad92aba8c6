#include "platform/lasting_texts.h"

namespace molvane {

QString LastingTexts::lasting(const QString& text)
{
    if (text.isEmpty() || text.size() > longest_)
        return text;
    std::u16string key(reinterpret_cast<const char16_t*>(text.constData()), std::size_t(text.size()));
    const std::lock_guard<std::mutex> lock(mutex_);
    auto kept = texts_.find(key);
    if (kept == texts_.end()) {
        if (texts_.size() >= capacity_)
            return text;
        kept = texts_.insert(std::move(key)).first;
    }
    return QString::fromRawData(reinterpret_cast<const QChar*>(kept->data()), qsizetype(kept->size()));
}

QString lastingText(const QString& text)
{
    // Labels and font names are short; a few thousand of them are far more than drawings use.
    static LastingTexts* const store = new LastingTexts(64, 4096);
    return store->lasting(text);
}

} // namespace molvane
