#pragma once
// The parameter file "startpar.tmm" in the current working directory: one 68-byte
// little-endian image of the Mechanism record, no header. Only the first record is read.

#include "kinematics/Mechanism.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

inline constexpr const char* kParameterFileName = "startpar.tmm";
constexpr int kParameterRecordSize = 68;

// Field-by-field encoding, independent of the struct's layout in memory.
std::array<std::uint8_t, kParameterRecordSize> EncodeMechanism(const Mechanism& m);
Mechanism DecodeMechanism(const std::uint8_t* bytes);  // reads exactly 68 bytes

// True when a whole record was read into `destination` (opened for reading only). Anything but
// a regular file (after following symlinks) counts as unreadable; the call never blocks.
// On false, `destination` is unchanged.
bool LoadParameterFile(Mechanism& destination, const QString& path = QString::fromLatin1(kParameterFileName));

// Writes the record through a temporary file renamed over the old one only when complete,
// so a failed save leaves the old file byte for byte. Sweeps stale leftovers first. True on success.
bool SaveParameterFile(const Mechanism& record, const QString& path = QString::fromLatin1(kParameterFileName));

// True when `fileName` has the form of the temporary file a save of `finalName` writes into.
bool IsSaveLeftoverName(const QString& fileName, const QString& finalName);

// Removes the temporary files of killed saves of `path` (regular files named as a save names
// them, older than a minute) and nothing else. Returns how many went. Call at start-up.
int RemoveStaleSaveLeftovers(const QString& path = QString::fromLatin1(kParameterFileName));
