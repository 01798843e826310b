#pragma once
// The working docket file: the picked contract's dockets written out from its 数据 field,
// open under the alias "出租数据" while a docket window is open, and stored back after every
// docket the entry window stores and when it closes.
#include <string>

// The empty docket table written at start-up, in the run directory.
inline constexpr const char* kDocketTemplateFile = "出租单数据.rdb";

// The working docket file's path: the run directory + "/出租数据.rdb".
std::string WorkingDocketFile();
// The alias the working docket file is open under.
const char* WorkingDocketAlias();
// Sets PickedContract's name from its record, writes that contract's dockets out as the
// working file and opens it (it becomes the current table). Shows "选择合同写出数据库失败"
// or "选择合同打开数据库失败" and returns false when either step fails.
bool OpenPickedContractDockets();
// Stores the working file's bytes into the picked contract's 数据, open or closed (the contract
// table is current afterwards); when the file cannot be read as a table or the field cannot be
// written, shows "出租单录入数据库失败", 数据 keeps its bytes and the result is false.
bool StoreWorkingDockets();
// Closes the working file and stores it into the picked contract (StoreWorkingDockets).
void DocketEntryWindow_OnDestroy();
// Closes the docket editor's sorted copy and the working file; stores nothing.
void DocketEditWindow_OnDestroy();
