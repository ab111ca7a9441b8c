// What other folders use from the application core.
#pragma once

#include "core/app_state.h"
#include "core/cursor_sprite.h"
#include "core/effect_sound.h"
#include "core/frame_dispatch.h"
#include "core/frame_timer.h"
#include "core/hud_line.h"
#include "core/key_names.h"
#include "core/loop_flags.h"
#include "core/music.h"
#include "core/pack_texture.h"
#include "core/pointer_dispatch.h"
#include "core/pointer_position.h"
#include "core/program_entry.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
