#pragma once

// Words that are not user texts and are never translated: the names of
// fonts. The Windows face names are stored in settings files and text items
// and sent to the printer as they are; installed faces are recognised by
// words in their family names. The texts a user reads are in texts.h.

namespace pernoa::face {

// The Japanese Windows faces a settings file or a text item may name, in
// Japanese and in English.
inline constexpr char kMsPGothic[] = "ＭＳ Ｐゴシック";
inline constexpr char kMsGothic[] = "ＭＳ ゴシック";
inline constexpr char kMsMincho[] = "ＭＳ 明朝";
inline constexpr char kMsPMincho[] = "ＭＳ Ｐ明朝";
inline constexpr char kMsPGothicEnglish[] = "MS PGothic";
inline constexpr char kMsGothicEnglish[] = "MS Gothic";
inline constexpr char kMsMinchoEnglish[] = "MS Mincho";
inline constexpr char kMsPMinchoEnglish[] = "MS PMincho";

// The face a new text item and a text without a face start with.
inline constexpr const char* kDefaultTextFace = kMsPGothic;
// The fixed-pitch face of the calibration sheet's numbers and lines.
inline constexpr const char* kCalibrationFace = kMsGothic;

// Words by which an installed rounded Gothic face is known in its family
// name (compared without regard to case).
inline constexpr const char* kRoundedFaceMarks[] = {"rounded", "maru", "丸ゴ", "丸ゴシック"};

} // namespace pernoa::face
