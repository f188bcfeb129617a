#pragma once

#include "batch/boxes.h"
#include "batch/output_log.h"
#include "batch/text.h"

// Holds the five box texts in memory, for running batches without a window.
struct BoxRecord {
  Text 编辑框1;
  Text 编辑框2;
  Text 编辑框3;
  Text 编辑框4;
  OutputLog 编辑框5;
};

// Returns the box operations on a record; the record must outlive them.
Boxes BoxesOf(BoxRecord& record);
