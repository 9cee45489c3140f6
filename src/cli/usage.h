// The usage texts of tarvik-cli: one per command for "COMMAND --help", and
// all of them for "tarvik-cli --help" or a command line it cannot use.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvik::cli {

// The synopsis of every command with what each does.
std::string fullUsage();
// One command's synopsis and options; "" for a name that is no command.
std::string commandUsage(std::string_view command);

// Whether the arguments after the command ask for its usage: "--help" or
// "-h" in the place of an option, not as another option's value
// ("--target -h" is a value, and refused as one).
bool asksForHelp(const std::vector<std::string> &args);

} // namespace tarvik::cli
