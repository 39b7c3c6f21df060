// The module file: a small container of named text resources. The scripture
// modules keep their text in one of these (resource "QDATA"); the program
// reads the resource and nothing else from the file.
//
// Layout (header lines end with one LF; numbers are unsigned decimal ASCII):
//
//   TARVIX-RESOURCES 1                 magic line and format version
//   RESOURCE <name> <length>           one entry: its header line,
//   <length bytes of content>          the content, any bytes at all,
//                                      and one LF after the content
//   ... further entries ...
//   END                                closing line; nothing may follow it
//
// A name is 1-64 characters of A-Z, a-z, 0-9, '_', '-' and '.'; names are
// matched without regard to ASCII letter case and appear once per file. The
// closing line and the LF after every content make a cut or padded file
// detectable even when the cut falls between entries.
#pragma once

#include <string>
#include <utility>
#include <vector>

using TResourceList = std::vector<std::pair<std::string, std::string>>; // name, content

bool IsValidResourceName(const std::string& Name);

// Content of the named resource. False, with Text empty, when the file is
// missing, not a resource file, damaged anywhere (even outside the wanted
// entry) or holds no resource of that name.
bool ReadResource(const std::string& FileName, const std::string& Name, std::string& Text);
// Every entry in file order; false (List empty) when the file is damaged.
bool ReadResourceList(const std::string& FileName, TResourceList& List);

// The bytes of a resource file; false for an invalid or repeated name.
bool BuildResourceFile(const TResourceList& Resources, std::string& Bytes);
// Writes a resource file through a temporary file; false on a bad name or a
// file error.
bool WriteResourceFile(const std::string& FileName, const TResourceList& Resources);
