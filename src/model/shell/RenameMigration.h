#pragma once
// Carries the user's settings and data folder over from the identifiers the
// product was shipped under before. Runs once per user: afterwards the flag
// "migratedFromOldName" makes it return at once.
#include <QString>
#include <QStringList>
#include <filesystem>

#include "platform/Places.h"

namespace sorbeta::RenameMigration {

// The keys carried over, in order.
const QStringList& keys();

// The former identifiers, in the order their values win.
const QStringList& formerDomains();

// The data folder's former name and its current name.
inline constexpr const char* formerFolder = "Plinto";
inline constexpr const char* currentFolder = "Sorbeta";

// Copies each key the current domain lacks from the first former domain that
// holds it (all domains in the configuration folder of `places`), moves
// <data>/Plinto to <data>/Sorbeta when only the former exists (never
// replacing anything), then sets the flag. Never fails.
void run(const platform::Places& places, const QString& domain, const QStringList& olds);

}  // namespace sorbeta::RenameMigration
