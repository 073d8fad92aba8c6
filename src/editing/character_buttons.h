#pragma once
// The 72 character buttons as plain logic. A button's content lives in its hint, after a fixed
// prefix, so the hint is the one place that holds it (the caption shows only its first two bytes).
// The settings file stores the contents and the environment's colour setting marks changed buttons.

#include <QString>

namespace molvane {

inline constexpr int kCharacterButtonCount = 72;

// The content button number (1-based) starts with: "A".."Z", "a".."z", "1".."9", "0", then
// "+", "-", "*", "/", "(", ")", "[", "]", "δ", "Δ". Empty outside 1..72.
QString builtInCharacter(int number);

// The text in front of every content in a hint.
QString characterButtonHintPrefix();
QString characterButtonHint(const QString& content);
// The first occurrence of the prefix (exact, case-sensitive) taken out, blanks trimmed at both ends.
QString contentFromHint(const QString& hint);

// The first two bytes of content in CP932: one full-width character or up to two half-width ones,
// never half of a full-width one.
QString characterButtonCaption(const QString& content);
// Whether content differs from the button's built-in one, compared byte for byte in CP932.
bool isChangedContent(int number, const QString& content);

// Text without blanks (spaces and control characters) at both ends.
QString trimBlanks(const QString& text);

} // namespace molvane
