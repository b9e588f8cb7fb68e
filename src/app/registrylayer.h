#pragma once

#include "platform/registry.h"

#include <QString>
#include <QVariant>

using platform::HKEY;

// The program's own small layer over the registry calls. Failures are never shown; reads give an
// invalid (empty) variant when anything failed.
void CreateRegKey(HKEY root, const QString& subKey);
void WriteRegValue(
    HKEY root, const QString& subKey, const QString& valueName, const QVariant& value, uint32_t type);
QVariant ReadRegValue(HKEY root, const QString& subKey, const QString& valueName);
void DeleteRegValue(HKEY root, const QString& subKey, const QString& valueName);

// REG_SZ writes the value as text, REG_DWORD as a 32-bit number; other types write nothing.
long SetValueOnKey(HKEY key, const QString& valueName, uint32_t type, const QVariant& value);
// REG_SZ gives the data's characters, its terminating NUL included; REG_DWORD a number; any other
// type gives -1 and an empty variant.
long QueryValueOnKey(HKEY key, const QString& valueName, QVariant& value);
