#pragma once

#include "core/storage/ProjectFile.h"

#include <string>

class CProjectDocument;

// Reads a project or template file into a document: the reader's refusals as they are,
// and a record the document's grid cannot hold refused as damaged. A refused file
// leaves the document as it was.
CReadOutcome ReadProjectDocument(CProjectDocument& document, const std::string& fileName);
// The same for a tree file: the document becomes that tree, unchanged since it was read.
CReadOutcome ReadTreeDocument(CProjectDocument& document, const std::string& fileName);

// Saves the document as what it holds, a tree file for a tree and a project file for
// layers, atomically. Done: the document is bound to the file and unchanged (its undo
// steps told so). Failed: nothing about the document changes, Modified included.
EWriteResult SaveDocument(CProjectDocument& document, const std::string& fileName, std::string* reason = nullptr);
