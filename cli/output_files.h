#pragma once

#include "core/conversions.h"
#include "core/module1.h"
#include "core/whole_file.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The files a run writes besides its report, all or none: each is written in full beside its
// target first (see WholeFile), and they take their targets' places only once every one of
// them has been written. Until then, and if they are dropped, the targets stay as they were.
class OutputFiles {
public:
    // The last simulated period's table for `path`; the message saying why it could not be
    // written, when it could not.
    std::optional<std::string> addTable(const std::filesystem::path& path, const Module1& m);

    // A picture's bytes for `path`; likewise.
    std::optional<std::string> addPicture(const std::filesystem::path& path,
                                          std::string_view bytes);

    // Puts every file in its target's place; the message of the first that could not be.
    std::optional<std::string> commit();

private:
    struct Prepared {
        std::unique_ptr<WholeFile> file;
        bool picture;
    };
    std::vector<Prepared> files_;
};

// "Impossibile salvare l'immagine "<path>": <reason>", as the waveform window says it, in the
// language in use with the reason (UTF-8) already in it.
std::string PictureFailure(const std::filesystem::path& path, const std::string& reason);
