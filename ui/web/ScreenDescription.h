// The description of the screen that the page builds itself from, as JSON.
#pragma once

#include <string>

namespace tarnwick {

/// Where everything stands on the screen: the control names, the questions,
/// the commands and the data block's grid (ui/Grid.h), the keyboard order
/// and the menus. The captions, colours and states come afterwards with the
/// mirror.
std::string screenDescription();

}  // namespace tarnwick
