#pragma once
// What a command says when its wait for the unit ends without it: the same words, and so one
// translation, whichever command waited.

#include <QString>

namespace norva::waittext {

QString NoUnitWithin(double seconds);  // "no unit was found within 10 s"
QString Cancelled();                   // before the unit was found
QString CancelledForImage(int bytes);  // found, its configuration not yet whole
QString LostWhileImage(int bytes);     // lost while its configuration arrived

}  // namespace norva::waittext
