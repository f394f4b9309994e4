#pragma once

class PrintSupport;

// The printer system, loaded by its first use; null, after a warning, when its module is missing.
PrintSupport *LoadPrintSupport();
