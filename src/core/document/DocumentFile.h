#pragma once

#include "core/storage/ProjectFile.h"

#include <string>

class CProjectDocument;

// Reads a project or template file into a document: the reader's refusals as they are,
// and a record the document's grid cannot hold refused as damaged. A refused file
// leaves the document as it was.
CReadOutcome ReadProjectDocument(CProjectDocument& document, const std::string& fileName);
