#pragma once

namespace pernoa::output {

// For a run that draws no text in the system's fonts (a page without text
// items made from the command line): makes an empty font configuration the
// current one, so that the system's font configuration (dozens of files,
// several milliseconds to read) is never read, not even by Qt's font
// database as the program ends, which reads it just to release it. Faces
// registered afterwards (the music font) go into this configuration, so a
// page with clefs and braces still embeds them.
//
// Call it before anything asks for a font: text drawn afterwards finds no
// face of the system. Does nothing after a first call.
void startWithoutSystemFonts();

} // namespace pernoa::output
