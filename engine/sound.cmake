# The engine's sound back end: OpenAL Soft mixes and places sounds, libsndfile decodes WAV and OGG Vorbis.
# The sources are picked up by the engine's glob; this links their libraries privately.
include_guard(GLOBAL)
find_package(Threads REQUIRED)
pkg_check_modules(OPENAL REQUIRED IMPORTED_TARGET GLOBAL openal)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET GLOBAL sndfile)
target_link_libraries(pd_engine PRIVATE PkgConfig::OPENAL PkgConfig::SNDFILE Threads::Threads)
