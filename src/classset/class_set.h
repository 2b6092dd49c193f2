#pragma once
// A class set: one printed page per pupil, each with the pupil's name in its
// corner, all of them one document, so that a printer gets one job and a
// PDF file holds every page.

#include "kinds.h"
#include "printer.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace gridora::classset {

/// The sheet every page of a set shows: the kind, size choice and velocity
/// position as the window holds them.
using SheetChoice = kinds::SheetChoice;

/// Told after each page how many of how many are drawn; returns false to
/// cancel the set.
using Progress = std::function<bool(std::size_t done, std::size_t total)>;

enum class SetOutcome { Printed, Cancelled };

/// Prints one page per name, in the given order, as one document on
/// `printer`. A cancelled set, or one whose drawing fails, is aborted: the
/// document is dropped and nothing is sent. Throws EPrinter as a single page
/// does when the document cannot be opened or sent, and as kinds::drawPage
/// does, before opening any, for a kind the table does not have; `names` must
/// not be empty.
SetOutcome printClassSet(TPrinter &printer, const SheetChoice &sheet, const std::vector<std::string> &names,
                         const Progress &progress = {});

} // namespace gridora::classset
