# The version lives in project(VERSION) alone: this header carries it to the frame's
# caption and the About box, and CPack takes it for the package.
configure_file(${PROJECT_SOURCE_DIR}/cmake/TessalyVersion.h.in ${PROJECT_BINARY_DIR}/generated/TessalyVersion.h @ONLY)
target_include_directories(tessaly_settings INTERFACE ${PROJECT_BINARY_DIR}/generated)
