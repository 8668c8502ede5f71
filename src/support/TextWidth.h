#pragma once

#include <QString>

// Full-width and half-width forms of the same characters.
namespace TextWidth {

// Full-width letters, digits, signs and the ideographic space become their
// ASCII forms; katakana and the Japanese signs that have a half-width form
// become half-width, a voiced or semi-voiced kana becoming two characters
// (ガ → ｶﾞ, パ → ﾊﾟ). Everything else (kanji, hiragana) is left as it is.
QString toHalfWidth(const QString &text);

// The other way: ASCII letters, digits and signs become full-width, the space
// the ideographic space, half-width katakana and signs their wide forms (ｶﾞ → ガ).
QString toFullWidth(const QString &text);

} // namespace TextWidth
