set(CORE_SOURCES
  LayoutGeometry.cpp
)
set(GUI_SOURCES
)
