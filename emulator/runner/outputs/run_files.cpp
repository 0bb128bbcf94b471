#include "emulator/runner/outputs/run_files.h"

#include "emulator/runner/text/printable_text.h"

namespace fs = std::filesystem;

namespace runner {

namespace {

fs::path Resolved(const fs::path& path)
{
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(fs::absolute(path), error);
    return error ? fs::absolute(path).lexically_normal() : resolved;
}

/* The path, or a folder it lies in, is `place`. */
bool Within(const fs::path& path, const fs::path& place)
{
    fs::path file = Resolved(path), folder = Resolved(place);
    for (fs::path at = file; !at.empty(); at = at.parent_path()) {
        if (at == folder || SameFile(at, folder))
            return true;
        if (at == at.parent_path())
            break;
    }
    return false;
}

std::string Clash(const NamedFile& writer, const NamedFile& other, const char* relation)
{
    return writer.what + " (" + Printable(writer.path.string()) + ") " + relation + " " + other.what + " (" +
           Printable(other.path.string()) + ")";
}

}  // namespace

bool SameFile(const fs::path& a, const fs::path& b)
{
    if (Resolved(a) == Resolved(b))
        return true;
    std::error_code error;
    return fs::exists(a, error) && fs::exists(b, error) && fs::equivalent(a, b, error);
}

std::string OverwriteProblem(const RunFiles& files)
{
    for (const NamedFile& output : files.outputs) {
        for (const auto* inputs : {&files.inputs, &files.loads})
            for (const NamedFile& input : *inputs)
                if (SameFile(output.path, input.path))
                    return Clash(output, input, "is");
        for (const NamedFile& other : files.outputs)
            if (&other < &output && SameFile(output.path, other.path))
                return Clash(output, other, "is also");
        for (const NamedFile& save : files.saves)
            if (SameFile(output.path, save.path))
                return Clash(save, output, "would overwrite");
    }
    for (const NamedFile& save : files.saves)
        for (const NamedFile& input : files.inputs)
            if (SameFile(save.path, input.path))
                return Clash(save, input, "would overwrite");
    std::vector<NamedFile> writers = files.outputs;
    writers.insert(writers.end(), files.saves.begin(), files.saves.end());
    for (const NamedFile& writer : writers)
        for (const NamedFile& own : files.own)
            if (Within(writer.path, own.path))
                return Clash(writer, own, "lies in");
    return "";
}

}  // namespace runner
