# The engine's physics back end: ODE in double precision (Debian's libode-dev).
# The sources are picked up by the engine's glob; this links the library privately.
include_guard(GLOBAL)
pkg_check_modules(ODE REQUIRED IMPORTED_TARGET GLOBAL ode)
target_link_libraries(pd_engine PRIVATE PkgConfig::ODE)
