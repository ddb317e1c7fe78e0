#include "posting/ScanInterpreter.h"

#include "posting/ScanLine.h"

namespace tekvora::posting {

namespace {

/// A person known in the run; present while `presenceStart` is set.
struct PersonSlot
{
    int persNr = 0;
    ScanMinute presenceStart = 0;
    ScanMinute presenceEnd = 0;
    int taetigNr = 0;
    int jobId = 0;
    ScanMinute activityStart = 0;
    ScanMinute activityEnd = 0;
};

enum class LastScanKind { None, Site, Activity, Person };

class Interpreter
{
public:
    Interpreter(const ScanStandards &standards, ScannerRegister &scanners)
        : m_standards(standards), m_scanners(scanners), m_currentPerson(standards.person)
    {
    }

    Interpretation run(const QStringList &lines);

private:
    // Record-building steps.
    void openVisit(int siteNr, int objId);
    void ensureVisit();
    void closePerson(PersonSlot &slot, EndMode mode);
    void endPerson(int persNr, EndMode mode);
    void endAll();
    void closeVisit(EndMode mode);
    void addPerson(int persNr);
    void startPerson(int persNr);
    void startAll();
    int endActivityEverywhere(int taetigNr);
    int giveActivityToIdle(int taetigNr, int jobId);
    bool joinActivity(int taetigNr, int jobId);

    // Barcode handlers.
    void onSite(int siteNr, int objId, int number);
    void onPerson(int persNr);
    void onActivity(int taetigNr, int jobId, int number);
    void onCommand(int number);

    /// Reads an "SC_ID:" line; false when the scanner is not registered.
    bool onScannerId(const QStringList &lines, qsizetype index);
    void handleBarcode(const ScanLine &scan);

    PersonSlot *slotOf(int persNr);
    RawScanRecord &appendRecord(int entryType);
    void finish(RawScanRecord &record, ScanMinute start, ScanMinute end, EndMode mode);

    const ScanStandards m_standards;
    ScannerRegister &m_scanners;
    Interpretation m_result;
    int m_currentPerson;
    int m_currentSite = 0;
    qsizetype m_openVisit = -1; ///< index in m_result.records
    QList<PersonSlot> m_slots;
    LastScanKind m_lastKind = LastScanKind::None;
    int m_lastNumber = 0;
    ScanMinute m_time = 0;
    qsizetype m_resumeIndex = 0;
};

PersonSlot *Interpreter::slotOf(int persNr)
{
    for (PersonSlot &slot : m_slots) {
        if (slot.persNr == persNr)
            return &slot;
    }
    return nullptr;
}

RawScanRecord &Interpreter::appendRecord(int entryType)
{
    RawScanRecord &record = m_result.records.emplace_back();
    record.entryType = entryType;
    record.scannerId = m_result.scannerId;
    if (entryType != EntryVisit) {
        const RawScanRecord &visit = m_result.records[m_openVisit];
        record.objNr = visit.objNr;
        record.objId = visit.objId;
    }
    return record;
}

void Interpreter::finish(RawScanRecord &record, ScanMinute start, ScanMinute end, EndMode mode)
{
    record.start = start;
    record.end = end != 0 ? end : start;
    record.dauer = durationHours(record.start, record.end);
    record.tourDate = startOfScanDay(record.start);
    record.mode = mode;
}

void Interpreter::openVisit(int siteNr, int objId)
{
    RawScanRecord &visit = m_result.records.emplace_back();
    visit.entryType = EntryVisit;
    visit.scannerId = m_result.scannerId;
    visit.objNr = siteNr;
    visit.objId = objId;
    visit.start = m_time;
    m_openVisit = m_result.records.size() - 1;
    m_currentSite = siteNr;
}

void Interpreter::ensureVisit()
{
    if (m_currentSite <= 0)
        openVisit(m_standards.site, 0);
}

void Interpreter::closePerson(PersonSlot &slot, EndMode mode)
{
    if (slot.presenceStart != 0) {
        ensureVisit();
        RawScanRecord &record = appendRecord(EntryPerson);
        record.persNr = slot.persNr;
        finish(record, slot.presenceStart, slot.presenceEnd, mode);
    }
    slot.presenceStart = 0;
    slot.presenceEnd = 0;
}

void Interpreter::endPerson(int persNr, EndMode mode)
{
    PersonSlot *slot = slotOf(persNr);
    if (!slot)
        return;
    slot->presenceEnd = m_time;
    if (slot->taetigNr == 0) {
        closePerson(*slot, mode);
        return;
    }
    slot->activityEnd = m_time;
    closePerson(*slot, mode);
    if (slot->activityStart == 0)
        return;
    ensureVisit();
    RawScanRecord &record = appendRecord(EntryActivity);
    record.persNr = slot->persNr;
    record.taetigNr = slot->taetigNr;
    record.jobId = slot->jobId;
    finish(record, slot->activityStart, slot->activityEnd, mode);
    slot->taetigNr = 0;
    slot->jobId = 0;
    slot->activityStart = 0;
    slot->activityEnd = 0;
}

void Interpreter::endAll()
{
    // endPerson never adds or removes slots, so walking by index is safe.
    for (qsizetype i = 0; i < m_slots.size(); ++i)
        endPerson(m_slots[i].persNr, EndMode::Calc);
}

void Interpreter::closeVisit(EndMode mode)
{
    endAll();
    if (m_openVisit >= 0) {
        RawScanRecord &visit = m_result.records[m_openVisit];
        finish(visit, visit.start, m_time, mode);
    }
    m_currentSite = 0;
    m_openVisit = -1;
}

void Interpreter::addPerson(int persNr)
{
    if (!slotOf(persNr))
        m_slots.append(PersonSlot{persNr});
    if (persNr != m_standards.person && slotOf(m_standards.person)) {
        endPerson(m_standards.person, EndMode::Calc);
        m_slots.removeIf([this](const PersonSlot &slot) { return slot.persNr == m_standards.person; });
    }
}

void Interpreter::startPerson(int persNr)
{
    ensureVisit();
    if (!slotOf(persNr))
        addPerson(persNr);
    PersonSlot *slot = slotOf(persNr);
    if (slot->presenceStart == 0)
        slot->presenceStart = m_time;
}

void Interpreter::startAll()
{
    ensureVisit();
    if (m_slots.isEmpty() && m_currentPerson != m_standards.person)
        addPerson(m_currentPerson);
    for (PersonSlot &slot : m_slots) {
        if (slot.presenceStart == 0)
            slot.presenceStart = m_time;
    }
}

int Interpreter::endActivityEverywhere(int taetigNr)
{
    ensureVisit();
    int ended = 0;
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].taetigNr == taetigNr) {
            endPerson(m_slots[i].persNr, EndMode::Scan);
            ++ended;
        }
    }
    return ended;
}

int Interpreter::giveActivityToIdle(int taetigNr, int jobId)
{
    int given = 0;
    for (PersonSlot &slot : m_slots) {
        if (slot.taetigNr != 0)
            continue;
        slot.taetigNr = taetigNr;
        slot.jobId = jobId;
        slot.activityStart = m_time;
        if (slot.presenceStart == 0)
            slot.presenceStart = m_time;
        ++given;
    }
    return given;
}

bool Interpreter::joinActivity(int taetigNr, int jobId)
{
    if (m_lastKind != LastScanKind::Person)
        return false;
    PersonSlot *person = slotOf(m_lastNumber);
    if (!person || person->taetigNr != 0)
        return false;
    const bool someoneDoesIt = std::any_of(m_slots.cbegin(), m_slots.cend(),
                                           [taetigNr](const PersonSlot &slot) { return slot.taetigNr == taetigNr; });
    if (!someoneDoesIt)
        return false;
    if (person->presenceStart == 0)
        person->presenceStart = m_time;
    person->taetigNr = taetigNr;
    person->jobId = jobId;
    person->activityStart = m_time;
    return true;
}

void Interpreter::onSite(int siteNr, int objId, int number)
{
    if (m_currentSite > 0) {
        const bool sameSite = siteNr == m_currentSite;
        closeVisit(sameSite ? EndMode::Scan : EndMode::Calc);
        if (!sameSite)
            openVisit(siteNr, objId);
    } else {
        openVisit(siteNr, objId);
    }
    startAll();
    m_lastKind = LastScanKind::Site;
    m_lastNumber = number;
}

void Interpreter::onPerson(int persNr)
{
    const PersonSlot *slot = slotOf(persNr);
    if (!slot) {
        addPerson(persNr);
        startPerson(persNr);
    } else if (slot->presenceStart != 0) {
        endPerson(persNr, EndMode::Scan);
    } else {
        startPerson(persNr);
    }
    m_lastKind = LastScanKind::Person;
    m_lastNumber = persNr;
}

void Interpreter::onActivity(int taetigNr, int jobId, int number)
{
    if (taetigNr == activityPersonLeaves || taetigNr == activitySiteChange) {
        if (m_lastKind != LastScanKind::Person)
            return;
        const int persNr = m_lastNumber;
        endPerson(persNr, EndMode::Calc);
        startPerson(persNr);
        PersonSlot *slot = slotOf(persNr);
        slot->taetigNr = taetigNr;
        slot->activityStart = m_time;
        endPerson(persNr, EndMode::Calc);
        m_slots.removeIf([persNr](const PersonSlot &s) { return s.persNr == persNr; });
    } else if (!joinActivity(taetigNr, jobId)) {
        if (m_slots.isEmpty())
            addPerson(m_currentPerson);
        if (endActivityEverywhere(taetigNr) > 0) {
            startAll();
        } else if (giveActivityToIdle(taetigNr, jobId) == 0) {
            endAll();
            startAll();
            giveActivityToIdle(taetigNr, jobId);
        }
    }
    m_lastKind = LastScanKind::Activity;
    m_lastNumber = number;
}

void Interpreter::onCommand(int number)
{
    if (number != 1000 && number != 1001)
        return;
    if (m_openVisit < 0)
        endAll();
    else
        closeVisit(EndMode::Calc);
    m_slots.clear();
}

void Interpreter::handleBarcode(const ScanLine &scan)
{
    switch (scan.kind) {
    case KindSite:
        onSite(scan.number, 0, scan.number);
        break;
    case KindObjectId:
        onSite(0, scan.number, scan.number);
        break;
    case KindStaff:
        onPerson(scan.number);
        break;
    case KindActivity:
        onActivity(scan.number, 0, scan.number);
        break;
    case KindJobId:
        onActivity(0, scan.number, scan.number);
        break;
    case KindCommand:
        onCommand(scan.number);
        break;
    default:
        break; // counted only
    }
}

bool Interpreter::onScannerId(const QStringList &lines, qsizetype index)
{
    bool ok = false;
    const int scannerId = lines[index].mid(6, 8).trimmed().toInt(&ok);
    m_result.scannerId = ok ? scannerId : 0;
    const std::optional<RegisteredScanner> scanner = m_scanners.find(m_result.scannerId);
    if (!scanner) {
        m_result.unregisteredScannerId = m_result.scannerId;
        return false;
    }
    // A file may hold several scanners; the badge of one bound scanner must not leak into the next.
    m_currentPerson = scanner->bound && scanner->persNr != 0 ? scanner->persNr : m_standards.person;
    const QString lastScan = scanner->lastScan.trimmed();
    if (lastScan.isEmpty())
        return true;
    m_resumeIndex = 0;
    for (qsizetype i = index; i < lines.size(); ++i) {
        if (lines[i].trimmed() == lastScan) {
            m_resumeIndex = i + 1;
            break;
        }
    }
    return true;
}

Interpretation Interpreter::run(const QStringList &lines)
{
    qsizetype count = lines.size();
    while (count > 1 && lines[count - 1].trimmed().isEmpty())
        --count;

    for (qsizetype i = 0; i < count; ++i) {
        if (i < m_resumeIndex)
            continue;
        const QString &line = lines[i];
        m_result.lastProcessedLine = line;
        if (line.startsWith(QLatin1Char('*')))
            continue;
        if (line.startsWith(QLatin1String("SC_ID:"))) {
            if (!onScannerId(lines, i))
                break;
            continue;
        }
        const ScanLine scan = parseScanLine(line);
        // A line without a readable time would date its intervals 30.12.1899 and bill up to a day.
        if (scan.time == 0)
            continue;
        m_time = scan.time;
        if (scan.kind == KindUnknown)
            continue;
        ++m_result.barcodeCount;
        handleBarcode(scan);
    }

    if (m_result.barcodeCount > 0 && !m_result.records.isEmpty())
        closeVisit(EndMode::Calc);
    return std::move(m_result);
}

} // namespace

Interpretation interpretScanLines(const QStringList &lines, const ScanStandards &standards,
                                  ScannerRegister &scanners)
{
    return Interpreter(standards, scanners).run(lines);
}

} // namespace tekvora::posting
