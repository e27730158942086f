#pragma once

#include "FormatSettings.h"

#include <QString>

// Lays a value into an edit mask, the pictures that data-entry fields use.
// A mask has up to three fields separated by ";": the picture, whether the
// value carries the picture's literal characters ("1", the default) or only the
// characters typed into the data positions ("0"), and the character shown for
// an empty position (blank here, since the text is for printing).
//
// Picture characters:
//   L l  a letter (required, optional)       A a  a letter or digit
//   C c  any character                       0 9  a digit; # a digit or sign
//   >    upper-case what follows             <    lower-case what follows
//   <>   case as typed                       \    the next character is literal
//   :  / the settings' time and date separators
//   _    a blank                             !    fill from the right
// Every other character is a literal. The result has one character for every
// data position and literal of the picture.
QString formatMaskText(const QString& editMask, const QString& value, const FormatSettings& settings);
