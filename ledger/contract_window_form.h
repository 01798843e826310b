#pragma once
// The contract window's form: the ten boxes below the grid, enabled and disabled together.

// Enables (true) or disables the ten boxes of the form.
void EnableContractForm(bool enabled);
// Copies the current record of the current table into the form.
void ShowContractRecord();
// Appends a contract made from the form with the next free serial, then rebuilds the grid;
// shows "添加合同失败" when the append fails.
void AddContractRecord();
// Overwrites the current record's first ten fields with the form; true when written.
bool ModifyContractFromForm();
