// MibFile: a module's name and IMPORTS read without libsmi.
#include <gtest/gtest.h>

#include <string>

#include "MibFile.h"

using tevasn_mib::MibFile;

namespace {

TEST(MibFile, ReadsTheNameAndEachImportedModuleOnce) {
  struct Row {
    const char* text;
    const char* name;     // "" when no module is defined
    const char* imports;  // joined by blanks
  };
  const Row rows[] = {
      {"A-MIB DEFINITIONS ::= BEGIN IMPORTS a, b FROM B-MIB c FROM C-MIB; END", "A-MIB",
       "B-MIB C-MIB"},
      {"A-MIB DEFINITIONS ::= BEGIN a OBJECT IDENTIFIER ::= { b 1 } END", "A-MIB", ""},
      // Comments end at the line's end or at the next "--"; a name may
      // carry single hyphens.
      {"-- A-MIB\nX-Y-MIB DEFINITIONS ::= BEGIN IMPORTS a FROM -- Q-MIB --B-MIB\n"
       "-- c FROM C-MIB\n;",
       "X-Y-MIB", "B-MIB"},
      {"A-MIB { iso 3 } DEFINITIONS ::= BEGIN IMPORTS a FROM B-MIB d FROM B-MIB; END", "A-MIB",
       "B-MIB"},
      {"IMPORTS a FROM B-MIB;", "", ""},
      {"", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    MibFile head;
    EXPECT_EQ(MibFile::parse(row.text, &head), *row.name != '\0');
    EXPECT_EQ(head.name, row.name);
    std::string imports;
    for (const std::string& module : head.imports) imports += (imports.empty() ? "" : " ") + module;
    EXPECT_EQ(imports, row.imports);
  }
}

}  // namespace
