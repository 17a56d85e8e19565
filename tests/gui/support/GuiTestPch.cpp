// Only here so that the precompiled header of the GUI tests has a target to be made in.
