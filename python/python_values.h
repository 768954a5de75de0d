#pragma once

#include "cli/report.h"

#include <pybind11/pybind11.h>

#include <string_view>

// The command line's output as Python values: a report as dicts, lists, floats, ints, strings
// and None, the keys in the report's order; a CSV table as a list of dicts, one a row, keyed by
// the header's columns, each number a float that is the double its text reads back to (the
// index an int), each text a str and each empty cell None.

pybind11::object PythonValue(const Report& value);

pybind11::list PythonRows(std::string_view csv);
