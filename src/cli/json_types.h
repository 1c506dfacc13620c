#pragma once
// The JSON type each value of an apply must have, from the declaration of the setting it names:
// a record is an object and a list a list; a text setting takes a string, a number a number or
// one of its forms as a string, a flag true or false or one of the words set takes as a string;
// UserSections a list of strings; Blocks an object of lists of strings (the blocks' lines).
#include <string>

#include "cli/json_settings.h"

namespace trv {

// The first value (in file order, containers before what they hold) whose type is not the one
// its setting takes, as "StationSettings.Call: a text, not a number"; an object or list that
// names no setting, as "no setting X"; empty when every type fits. A value of an unknown name
// is left to the setting's lookup, which names it.
std::string JsonTypeFault(const JsonSettings& settings);

}  // namespace trv
