#pragma once
// Short texts kept until the program ends, handed out as strings that refer to that storage without a
// reference count: copying or destroying such a string touches no counter shared between threads, where
// every copy of an ordinary shared string is an atomic increment. Font names and labels read from
// drawings are few and repeat over and over, within a drawing and across drawings.

#include <QString>

#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_set>

namespace molvane {

// A bounded store of texts. Safe to use from several threads.
class LastingTexts {
public:
    LastingTexts(qsizetype longest, std::size_t capacity) : longest_(longest), capacity_(capacity) {}
    LastingTexts(const LastingTexts&) = delete;
    LastingTexts& operator=(const LastingTexts&) = delete;

    // A string equal to text that refers to the store's copy of it, which lives as long as the store.
    // A text that is empty, longer than longest units, or new once the store holds capacity texts comes
    // back as it is.
    QString lasting(const QString& text);

private:
    const qsizetype longest_;
    const std::size_t capacity_;
    std::mutex mutex_;
    std::unordered_set<std::u16string> texts_; // nodes never move, and so neither do their characters
};

// lasting() of the program's store, which is never destroyed: strings from it may outlive every other
// object.
QString lastingText(const QString& text);

} // namespace molvane
