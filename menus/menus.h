// What other folders use from the menu screens.
#pragma once

#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"
#include "menus/outline_vertex.h"
#include "menus/record_input_menu.h"
#include "menus/sprite_flat_button.h"
#include "menus/sprite_flat_image.h"
