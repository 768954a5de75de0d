#include "python/python_values.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace py = pybind11;

namespace {

// The cells of one line of the table from `at`, which ends past the line; a quoted cell may hold
// commas, doubled quotes and line breaks.
std::vector<std::string> ReadLine(std::string_view csv, std::size_t& at) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (; at < csv.size(); ++at) {
        const char c = csv[at];
        if (quoted) {
            if (c != '"') {
                cells.back() += c;
            } else if (at + 1 < csv.size() && csv[at + 1] == '"') {
                cells.back() += '"';
                ++at;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            cells.emplace_back();
        } else if (c == '\n') {
            ++at;
            break;
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

py::object CellValue(const std::string& column, const std::string& cell) {
    if (cell.empty()) {
        return py::none();
    }
    const char* end = cell.data() + cell.size();
    if (column == "index") {
        long long index = 0;
        if (std::from_chars(cell.data(), end, index).ptr == end) {
            return py::int_(index);
        }
    }
    double number = 0;
    const auto read = std::from_chars(cell.data(), end, number);
    if (read.ec == std::errc() && read.ptr == end) {
        return py::float_(number);
    }
    return py::str(cell);
}

} // namespace

py::object PythonValue(const Report& value) {
    switch (value.type()) {
    case Report::value_t::object: {
        py::dict object;
        for (const auto& [key, inner] : value.items()) {
            object[py::str(key)] = PythonValue(inner);
        }
        return object;
    }
    case Report::value_t::array: {
        py::list array;
        for (const Report& inner : value) {
            array.append(PythonValue(inner));
        }
        return array;
    }
    case Report::value_t::string:
        return py::str(value.get_ref<const std::string&>());
    case Report::value_t::boolean:
        return py::bool_(value.get<bool>());
    case Report::value_t::number_integer:
        return py::int_(value.get<std::int64_t>());
    case Report::value_t::number_unsigned:
        return py::int_(value.get<std::uint64_t>());
    case Report::value_t::number_float: {
        // JSON has no infinity and no NaN: the command line writes them as null.
        const double number = value.get<double>();
        return std::isfinite(number) ? py::object(py::float_(number)) : py::none();
    }
    default:
        return py::none();
    }
}

py::list PythonRows(std::string_view csv) {
    std::size_t at = 0;
    const std::vector<std::string> header = ReadLine(csv, at);
    std::vector<py::str> keys(header.begin(), header.end());
    py::list rows;
    while (at < csv.size()) {
        const std::vector<std::string> cells = ReadLine(csv, at);
        py::dict row;
        for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i) {
            row[keys[i]] = CellValue(header[i], cells[i]);
        }
        rows.append(std::move(row));
    }
    return rows;
}
