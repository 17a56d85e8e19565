#pragma once

class CUserProjectModel;
class TLoadSaveProject;

// The exchange record of a project's hierarchy as it stands (levels, names, comments and
// the whole judgement matrix of every element in use), from which a model with the same
// hierarchy is built: the group's hierarchy and the experts' files start from one.
// Slots outside the hierarchy are left as the record had them.
void FillHierarchyRecord(const CUserProjectModel& project, TLoadSaveProject& record);
