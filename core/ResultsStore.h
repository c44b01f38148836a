// The learner's results: one 168-byte record in pl.dat, little-endian.
#pragma once

#include "Types.h"

#include <array>
#include <cstdint>
#include <string>

struct ResultsRecord {
    std::array<std::uint8_t, 8> reserved{};        // kept as read, never interpreted
    std::array<std::int32_t, TicketCount> statuses{}; // ticket t at index t - 1
};

constexpr int ResultsRecordSize = 168;

// Byte image of the record as it lies in the file.
std::array<std::uint8_t, ResultsRecordSize> encodeRecord(const ResultsRecord &record);
ResultsRecord decodeRecord(const std::uint8_t *bytes, std::size_t count); // missing bytes read as zero

class ResultsStore {
public:
    // Names the file; until then every load and save fails with "I/O error 102".
    void setFileName(const std::string &name) { fileName_ = name; }
    const std::string &fileName() const { return fileName_; }

    // Reads the record from an existing file or creates the file from the (zero) record.
    // A short file leaves what was read in the record and throws "Read beyond end of file".
    void loadOrCreate();
    // Rewrites the first 168 bytes of the existing file and flushes them to disk.
    void save();
    // Sets every status to NotTaken, keeps the reserved bytes, then saves.
    void reset();

    std::int32_t status(int ticket) const;              // ticket 1..40
    void setStatus(int ticket, std::int32_t status);
    const ResultsRecord &record() const { return record_; }
    ResultsRecord &record() { return record_; }

private:
    std::string fileName_;
    ResultsRecord record_;
};
