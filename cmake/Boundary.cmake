# Adds the target `engine_boundary`, which fails when a game folder includes a
# header of SDL, OpenGL, ODE, OpenAL, assimp, stb, libsndfile, cairo or curl.
# Game libraries depend on it, so a leak stops the build with the offending line.
add_custom_target(engine_boundary ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/CheckBoundary.cmake
  COMMENT "Checking that game code includes only the engine and platform headers")

function(pebbledash_game_library target)
  add_dependencies(${target} engine_boundary)
endfunction()
