#pragma once

#include <QString>

namespace pluvane {

// The title the error box is captioned with, made from the executable's
// path: the file name without its folder and without anything from its
// first ".", the first letter in upper case and every letter after it in
// lower case ("pluvane" gives "Pluvane").
QString applicationTitle(const QString& executablePath);

} // namespace pluvane
