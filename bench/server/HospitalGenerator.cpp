#include "bench/server/HospitalGenerator.h"

#include "server/Database.h"
#include "server/ServerError.h"
#include "server/SqlFunctions.h"
#include "server/Translator.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrix::bench {

namespace {

using namespace std::chrono;
using Time = sys_seconds; // local wall-clock time, as the server stores it

// ---------------------------------------------------------------- name lists
constexpr std::array kLastNames = {
    "ABAD",      "ABELLA",     "AGUILAR",   "ALCANTARA", "ALVAREZ",   "AMADOR",   "ANDRADA",   "AQUINO",
    "ARANETA",   "ARCENAL",    "BALDONADO", "BAUTISTA",  "BELARMINO", "BELTRAN",  "BERNAL",    "CABRERA",
    "CALDERON",  "CAMPOS",     "CASTILLO",  "CASTRO",    "CORTEZ",    "CRUZ",     "DE GUZMAN", "DE LEON",
    "DELA CRUZ", "DELA PAZ",   "DELA ROSA", "DIAZ",      "DIZON",     "DOMINGO",  "ESPINOSA",  "ESTRADA",
    "FAJARDO",   "FERNANDEZ",  "FLORES",    "GAMBOA",    "GARCIA",    "GONZALES", "GUERRERO",  "HERNANDEZ",
    "ILAGAN",    "JALANDONI",  "JAVELOSA",  "JIMENEZ",   "LACSON",    "LEDESMA",  "LIM",       "LOPEZ",
    "LOPUE",     "MAGBANUA",   "MAGSINO",   "MARTINEZ",  "MENDOZA",   "MONTANO",  "MORALES",   "NAVARRO",
    "OCAMPO",    "O'BRIEN",    "ONG",       "PADILLA",   "PASCUAL",   "PEÑAFLOR", "PEREZ",     "QUIMPO",
    "RAMOS",     "REYES",      "RIVERA",    "ROBLES",    "ROSARIO",   "SALAZAR",  "SALVADOR",  "SANTIAGO",
    "SANTOS",    "SORIANO",    "SY",        "TAN",       "TIONGSON",  "TORRES",   "UY",        "VALENZUELA",
    "VELASCO",   "VILLANUEVA", "VILLAREAL", "YAP",       "ZAMORA",    "ZERRUDO"};
constexpr std::array kMaleNames = {
    "ANTONIO", "ARNOLD",    "BENJAMIN", "CARLOS",  "DANILO",   "DANTE",   "EDUARDO", "EMMANUEL",
    "ERNESTO", "FERDINAND", "FERNANDO", "GABRIEL", "GERARDO",  "JOSÉ",    "JOSE",    "JUAN",
    "KENNETH", "LEONARDO",  "LUIS",     "MANUEL",  "MARCO",    "MARK",    "MIGUEL",  "NESTOR",
    "NOEL",    "PATRICK",   "PAOLO",    "RAFAEL",  "RAMON",    "RICARDO", "ROBERTO", "RODEL",
    "ROMEO",   "SAMUEL",    "TEODORO",  "VICENTE", "VIRGILIO", "WILFREDO"};
constexpr std::array kFemaleNames = {
    "ALMA",    "ANA",        "ANGELICA",  "BEATRIZ",  "CARMEN",     "CRISTINA",  "DIANA",
    "ELENA",   "EVANGELINE", "FELICIDAD", "GLORIA",   "GRACE",      "ISABEL",    "JOCELYN",
    "JOY",     "LIZA",       "LORNA",     "LOURDES",  "LUZVIMINDA", "MARIA",     "MARIBEL",
    "MARICEL", "MARILOU",    "NORMA",     "PATRICIA", "REMEDIOS",   "ROSALINDA", "ROWENA",
    "SHIELA",  "SOFIA",      "TERESA",    "VERONICA", "VIRGINIA",   "YOLANDA"};
constexpr std::array kStreets = {
    "Rizal Street",        "Luna Street",    "Burgos Avenue",    "Quezon Street",     "Magsaysay Village",
    "Diversion Road",      "Fajardo Street", "Jalandoni Street", "Mabini Street",     "Bonifacio Drive",
    "General Luna Street", "Iznart Street",  "Ledesma Street",   "Delgado Street",    "Mapa Street",
    "Timawa Street",       "Pison Avenue",   "Zamora Street",    "Santo Niño Street", "Seaside Drive"};
constexpr std::array kBarangays = {
    "Tabuc Suba", "Poblacion", "Bolilao",    "Balabago", "Cubay",  "La Paz", "San Rafael",    "Mandurriao",
    "Lapuz",      "Molo",      "Calumpang",  "Ungka",    "Tagbak", "Buhang", "Santo Rosario", "Kahirupan",
    "Tanza",      "Hibao-an",  "Concepcion", "Baybay",   "Sambag", "Jaro",   "Arevalo",       "Sooc"};
struct Town {
    const char* zip;
    const char* town;
    const char* province;
};
constexpr std::array<Town, 14> kTowns = {{{"5000", "ILOILO CITY", "ILOILO"},
                                          {"5001", "JARO", "ILOILO"},
                                          {"5004", "LA PAZ", "ILOILO"},
                                          {"5028", "OTON", "ILOILO"},
                                          {"5031", "PAVIA", "ILOILO"},
                                          {"5033", "SANTA BARBARA", "ILOILO"},
                                          {"5044", "POTOTAN", "ILOILO"},
                                          {"5100", "BACOLOD CITY", "NEGROS OCCIDENTAL"},
                                          {"5101", "TALISAY CITY", "NEGROS OCCIDENTAL"},
                                          {"5600", "KALIBO", "AKLAN"},
                                          {"5700", "SAN JOSE DE BUENAVISTA", "ANTIQUE"},
                                          {"5800", "ROXAS CITY", "CAPIZ"},
                                          {"5045", "PASSI CITY", "ILOILO"},
                                          {"5021", "GUIMBAL", "ILOILO"}}};
constexpr std::array kSpecialties = {
    "Internal Medicine",         "Neurology",       "Orthopedics", "Pediatrics",      "General Surgery",
    "Obstetrics and Gynecology", "Neurosurgery",    "Oncology",    "Cardiology",      "Otorhinolaryngology",
    "Rehabilitation Medicine",   "Family Medicine", "Urology",     "Gastroenterology"};
constexpr std::array kWardRemarks = {"",
                                     "",
                                     "",
                                     "NPO since midnight.",
                                     "Patient on oxygen; bring portable tank.",
                                     "With IV line; contrast cleared by attending.",
                                     "Claustrophobic; may need sedation.",
                                     "For pre-operative evaluation.",
                                     "Wheelchair-bound.",
                                     "Stat request."};

struct Exam {
    const char* code;
    const char* name;
    int base;
    bool contrast;
    char sex; // the only sex it is done for, or 0
    int weight;
};
constexpr std::array<Exam, 25> kExams = {{
    {"MRI001", "MRI BRAIN PLAIN", 8500, false, 0, 160},
    {"MRI002", "MRI BRAIN WITH CONTRAST", 12500, true, 0, 90},
    {"MRI003", "MRI CERVICAL SPINE PLAIN", 9000, false, 0, 70},
    {"MRI004", "MRI THORACIC SPINE PLAIN", 9000, false, 0, 25},
    {"MRI005", "MRI LUMBOSACRAL SPINE PLAIN", 9000, false, 0, 120},
    {"MRI006", "MRI WHOLE SPINE SCREENING", 15000, false, 0, 15},
    {"MRI007", "MRI KNEE (RIGHT)", 8000, false, 0, 45},
    {"MRI008", "MRI KNEE (LEFT)", 8000, false, 0, 40},
    {"MRI009", "MRI SHOULDER", 8500, false, 0, 35},
    {"MRI010", "MRI ABDOMEN WITH CONTRAST", 14000, true, 0, 40},
    {"MRI011", "MRI PELVIS WITH CONTRAST", 14000, true, 0, 30},
    {"MRI012", "MR ANGIOGRAPHY (BRAIN)", 13000, false, 0, 30},
    {"MRI013", "MR CHOLANGIOPANCREATOGRAPHY (MRCP)", 12000, false, 0, 25},
    {"MRI014", "MRI BREAST BILATERAL", 15500, true, 'F', 15},
    {"MRI015", "MRI ORBITS", 9500, false, 0, 8},
    {"MRI016", "MRI PITUITARY (SELLA) WITH CONTRAST", 12500, true, 0, 10},
    {"MRI017", "MRI ANKLE", 8000, false, 0, 15},
    {"MRI018", "MRI WRIST", 8000, false, 0, 10},
    {"MRI019", "MRI HIP", 8500, false, 0, 15},
    {"MRI020", "MRI PROSTATE (MULTIPARAMETRIC)", 16000, true, 'M', 12},
    {"MRI021", "MRI CARDIAC", 18000, true, 0, 6},
    {"MRI022", "MRI SPECIAL PROCEDURE", 10000, false, 0, 4},
    {"MRI023", "MRI SEDATION SERVICE", 2500, false, 0, 8},
    {"MRI024", "MR SPECTROSCOPY", 6000, false, 0, 5},
    {"MRI025", "MRI FOLLOW-UP STUDY", 5000, false, 0, 12},
}};
constexpr std::array<double, 8> kRateFactor = {1.00, 1.05, 1.10, 1.15, 1.20, 0.85, 0.95, 1.30}; // A..H

struct StockItem {
    const char* id;
    const char* name;
    const char* unit;
    double priceIn, priceOut;
};
constexpr std::array<StockItem, 8> kSupplies = {
    {{"10001", "IV CANNULA G22", "PC", 120, 150},
     {"10002", "SYRINGE 10CC DISPOSABLE", "PC", 25, 30},
     {"10003", "CONTRAST INJECTOR SYRINGE KIT", "KIT", 1850, 2100},
     {"10004", "EAR PLUGS (PAIR)", "PR", 15, 20},
     {"10005", "MRI-SAFE ELECTRODE PADS", "SET", 250, 300},
     {"10006", "HEADPHONE COVER, DISPOSABLE", "PC", 35, 45},
     {"10007", "EXTENSION TUBING 150CM", "PC", 95, 110},
     {"10008", "ALCOHOL SWAB", "PC", 5, 6}}};
constexpr std::array<StockItem, 10> kMedicines = {
    {{"20001", "GADOTERATE MEGLUMINE 0.5MMOL/ML 15ML VIAL", "VIAL", 4800, 5200},
     {"20002", "GADOBUTROL 1MMOL/ML 7.5ML VIAL", "VIAL", 5600, 6100},
     {"20003", "MIDAZOLAM 5MG/ML 3ML AMPULE", "AMP", 180, 210},
     {"20004", "DIPHENHYDRAMINE 50MG/ML AMPULE", "AMP", 65, 75},
     {"20005", "SODIUM CHLORIDE 0.9% 100ML", "BOT", 85, 95},
     {"20006", "HYOSCINE BUTYLBROMIDE 20MG/ML AMPULE", "AMP", 120, 140},
     {"20007", "GLUCAGON 1MG VIAL", "VIAL", 2900, 3200},
     {"20008", "HYDROCORTISONE 100MG VIAL", "VIAL", 210, 240},
     {"20009", "PROPOFOL 10MG/ML 20ML AMPULE", "AMP", 650, 720},
     {"20010", "FUROSEMIDE 10MG/ML 2ML AMPULE", "AMP", 45, 52}}};

struct Room {
    std::string id;
    char roomClass; // 'A'..'H', or 0 for the emergency room (priced as A)
    std::string station;
};

// ---------------------------------------------------------------- helpers
class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine_) < p; }
    template <typename C> const auto& pick(const C& c) {
        return c[static_cast<std::size_t>(between(0, int(c.size()) - 1))];
    }

private:
    std::mt19937_64 engine_;
};

std::string iso(Time t) {
    const auto day = floor<days>(t);
    const year_month_day ymd{day};
    const hh_mm_ss hms{t - day};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02d:%02d:%02d", int(ymd.year()), unsigned(ymd.month()),
                  unsigned(ymd.day()), int(hms.hours().count()), int(hms.minutes().count()),
                  int(hms.seconds().count()));
    return buf;
}

std::string isoDate(Time t) {
    return iso(floor<days>(t));
}

Time parseIso(const std::string& s) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    if (std::sscanf(s.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &sec) < 3)
        throw std::runtime_error("cannot read the server's date " + s);
    return sys_days{year{y} / mo / d} + hours{h} + minutes{mi} + seconds{sec};
}

int yearOf(Time t) {
    return int(year_month_day{floor<days>(t)}.year());
}
unsigned monthOf(Time t) {
    return unsigned(year_month_day{floor<days>(t)}.month());
}

std::string padded(long long n, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, n);
    return buf;
}

double rate(int base, char roomClass) {
    const int i = (roomClass >= 'A' && roomClass <= 'H') ? roomClass - 'A' : 0;
    return i == 0 ? base : std::round(base * kRateFactor[static_cast<std::size_t>(i)] / 50) * 50;
}

// A bound value: text, a number or NULL.
struct Cell {
    enum Kind { Null, Text, Int, Real } kind = Null;
    std::string text;
    long long i = 0;
    double r = 0;
    Cell() = default;
    Cell(std::nullopt_t) {}
    Cell(std::nullptr_t) {}
    Cell(const char* s) : kind(Text), text(s) {}
    Cell(std::string s) : kind(Text), text(std::move(s)) {}
    Cell(const std::optional<std::string>& s) : kind(s ? Text : Null), text(s.value_or("")) {}
    Cell(int v) : kind(Int), i(v) {}
    Cell(long long v) : kind(Int), i(v) {}
    Cell(double v) : kind(Real), r(v) {}
};

// One prepared INSERT reused for every row of a table.
class Inserter {
public:
    Inserter(sqlite3* db, const char* database, const char* table, std::initializer_list<const char*> columns)
        : db_(db) {
        std::string sql = "INSERT INTO " + server::storageName(database, table) + " (";
        std::string marks;
        for (const char* c : columns) {
            sql += (marks.empty() ? "" : ", ") + std::string(c);
            marks += marks.empty() ? "?" : ", ?";
        }
        sql += ") VALUES (" + marks + ")";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in " + sql);
        columns_ = static_cast<int>(columns.size());
    }
    ~Inserter() { sqlite3_finalize(stmt_); }
    Inserter(const Inserter&) = delete;
    Inserter& operator=(const Inserter&) = delete;

    void row(std::initializer_list<Cell> cells) {
        if (static_cast<int>(cells.size()) != columns_)
            throw std::logic_error("wrong number of values");
        int i = 1;
        for (const Cell& c : cells) {
            switch (c.kind) {
            case Cell::Null:
                sqlite3_bind_null(stmt_, i);
                break;
            case Cell::Text:
                sqlite3_bind_text(stmt_, i, c.text.data(), static_cast<int>(c.text.size()), SQLITE_TRANSIENT);
                break;
            case Cell::Int:
                sqlite3_bind_int64(stmt_, i, c.i);
                break;
            case Cell::Real:
                sqlite3_bind_double(stmt_, i, c.r);
                break;
            }
            ++i;
        }
        const int rc = sqlite3_step(stmt_);
        sqlite3_reset(stmt_);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(db_));
        ++count_;
    }
    long long count() const { return count_; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    int columns_ = 0;
    long long count_ = 0;
};

void exec(sqlite3* db, const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "unknown error";
        sqlite3_free(err);
        throw std::runtime_error(msg + " in " + sql.substr(0, 200));
    }
}

struct Patient {
    std::string hospNum;
    std::string account;
    char sex;
};

struct Visit {
    char type; // I, O or C
    std::string idNum;
    const Patient* patient;
    const Room* room;
    std::string doctor;
    Time start, end; // end: discharge, or far in the future while still open
};

// ---------------------------------------------------------------- the generator
class Generator {
public:
    Generator(sqlite3* db, const HospitalGenerator::Options& o, HospitalGenerator::Summary& s)
        : db_(db), o_(o), s_(s), rnd_(o.seed), now_(parseIso(server::localNow())) {}

    void run() {
        catalogues();
        patients();
        work();
        pendingWardRequests();
        counters();
    }

private:
    void catalogues() {
        exec(db_,
             "INSERT INTO PATIENT_DATA__tbHospitalInfo (Company, Address1, Address2, Title, TIN) VALUES "
             "('ST. ANSELM MEDICAL CENTER', '1200 Mabini Street, Jaro, Iloilo City', 'Tel. (033) 320-4455', "
             "'DEPARTMENT OF RADIOLOGY', '004-512-339-000')");
        exec(db_, "INSERT INTO RADIOLOGY__tbRadioOptions (RevenueID, IncludeDoctorFee) VALUES ('MI', 1), "
                  "('XR', 0), "
                  "('CT', 0)");
        exec(db_,
             "INSERT INTO RADIOLOGY__tbMRIDefaultRadiologist (Code, LastName, FirstName, MiddleName) VALUES "
             "('2001', 'REYES', 'MARIA LOURDES', 'SANTOS')");
        exec(db_, "INSERT INTO BUILD_FILE__tbCoRevenueCode (RevenueID, ItemName, MRIActive, WithItems, "
                  "AccountCode, "
                  "GroupCode, SearchInventory, LocationID, CashCommunication, InvCode) VALUES "
                  "('MI', 'MRI Procedures', 'Y', 'Y', '4105', 'RAD', 0, NULL, 1, NULL),"
                  "('MD', 'Readers Fee', 'Y', 'N', '2210', 'PF', 0, NULL, 0, NULL),"
                  "('MS', 'MRI Supply', 'Y', 'Y', '4106', 'SUP', 1, 'MRISUP', 1, 'CSR'),"
                  "('MZ', 'MRI Medicine', 'Y', 'Y', '4107', 'MED', 1, 'MRIPHA', 1, 'PHA'),"
                  "('XR', 'X-Ray Procedures', 'N', 'Y', '4101', 'RAD', 0, NULL, 1, NULL),"
                  "('CT', 'CT-Scan Procedures', 'N', 'Y', '4102', 'RAD', 0, NULL, 1, NULL)");
        exec(db_, "INSERT INTO BUILD_FILE__tbCoSection (SectionID, SectionName, RevenueID) VALUES "
                  "('MI', 'MAGNETIC RESONANCE IMAGING', 'MI'), ('NR', 'NEURO MRI', 'MI'), "
                  "('MS', 'MUSCULOSKELETAL MRI', 'MI'), ('BD', 'BODY MRI', 'MI')");
        {
            Inserter exam(db_, "BUILD_FILE", "tbCoOtherRevenue",
                          {"OtherRevenueID", "RevenueID", "OtherRevenue", "RateA", "RateB", "RateC", "RateD",
                           "RateE", "RateF", "RateG", "RateH", "Fixrate", "SectionID"});
            for (const Exam& e : kExams) {
                const std::string_view name = e.name;
                auto has = [&](std::string_view w) { return name.find(w) != std::string_view::npos; };
                const char* section =
                    has("KNEE") || has("SHOULDER") || has("ANKLE") || has("WRIST") || has("HIP") ? "MS"
                    : has("BRAIN") || has("SPINE") || has("ORBITS") || has("PITUITARY") || has("SPECTROSCOPY")
                        ? "NR"
                    : has("BODY") || has("ABDOMEN") || has("PELVIS") || has("BREAST") || has("PROSTATE") ||
                            has("CARDIAC") || has("MRCP")
                        ? "BD"
                        : "MI";
                exam.row({e.code, "MI", e.name, rate(e.base, 'A'), rate(e.base, 'B'), rate(e.base, 'C'),
                          rate(e.base, 'D'), rate(e.base, 'E'), rate(e.base, 'F'), rate(e.base, 'G'),
                          rate(e.base, 'H'), e.base >= 18000 || e.base <= 2500 ? "N" : "Y", section});
            }
            exam.row({"XR001", "XR", "CHEST PA", 450.0, 480.0, 500.0, 520.0, 550.0, 400.0, 430.0, 600.0, "Y",
                      nullptr});
            exam.row({"CT001", "CT", "CT SCAN BRAIN PLAIN", 4500.0, 4700.0, 4950.0, 5200.0, 5400.0, 3850.0,
                      4300.0, 5850.0, "Y", nullptr});
        }
        {
            Inserter doctor(
                db_, "BUILD_FILE", "tbCoDoctor",
                {"DoctorID", "LastName", "FirstName", "MiddleName", "Title", "Specialty", "IsRadiologist"});
            for (int i = 1; i <= 6; ++i) {
                const std::string id = std::to_string(2000 + i);
                radiologists_.push_back(id);
                const std::string last = rnd_.pick(kLastNames), first = rnd_.pick(kFemaleNames);
                readerName_[id] = "DR. " + last + ", " + first;
                doctor.row({id, last, first, rnd_.pick(kLastNames), "M.D., FPCR", "Radiology", 1});
            }
            for (int i = 1; i <= 60; ++i) {
                const std::string id = std::to_string(1000 + i);
                referring_.push_back(id);
                doctor.row({id, rnd_.pick(kLastNames),
                            rnd_.chance(0.5) ? rnd_.pick(kMaleNames) : rnd_.pick(kFemaleNames),
                            rnd_.pick(kLastNames), "M.D.", rnd_.pick(kSpecialties), 0});
            }
        }
        exec(db_, "INSERT INTO BUILD_FILE__tbCoStation (StationID, Station) VALUES "
                  "('ST1', 'STATION 1 - MEDICAL WARD'), ('ST2', 'STATION 2 - SURGICAL WARD'), "
                  "('ST3', 'STATION 3 - PEDIATRICS'), ('ST4', 'STATION 4 - PRIVATE WING'), "
                  "('ICU', 'INTENSIVE CARE UNIT'), ('ER', 'EMERGENCY ROOM')");
        {
            Inserter room(db_, "BUILD_FILE", "tbCoRoom", {"RoomID", "RoomClassID", "StationID"});
            auto add = [&](const std::string& prefix, int from, int to, char cls, const char* station) {
                for (int n = from; n <= to; ++n) {
                    rooms_.push_back(Room{prefix + std::to_string(n), cls, station});
                    room.row({rooms_.back().id, cls ? std::string(1, cls) : std::string(), station});
                }
            };
            add("", 101, 130, 'A', "ST1");
            add("", 201, 220, 'B', "ST2");
            add("", 301, 320, 'C', "ST2");
            add("PED-", 1, 12, 'C', "ST3");
            add("", 401, 415, 'D', "ST4");
            add("", 501, 512, 'E', "ST4");
            add("", 601, 606, 'F', "ST1");
            add("PRV-", 1, 6, 'G', "ST4");
            add("SUITE-", 1, 3, 'H', "ST4");
            add("ICU-", 1, 8, 'H', "ICU");
            add("ER-", 1, 6, 0, "ER");
        }
        {
            Inserter address(db_, "BUILD_FILE", "tbCoAddress", {"ZipCode", "Town", "Province"});
            for (const Town& t : kTowns)
                address.row({t.zip, t.town, t.province});
        }
        {
            Inserter company(db_, "BUILD_FILE", "tbCoCompany", {"AccountNum", "Company", "IsHMO"});
            static constexpr std::array kFirms = {
                "PORT SERVICES CORP.", "ELECTRIC COOPERATIVE", "TEACHERS ASSOCIATION", "SUGAR MILLING CO.",
                "RURAL BANK",          "SHIPPING LINES, INC.", "WATER DISTRICT",       "MOTOR SALES CORP.",
                "STATE COLLEGE",       "DEVELOPMENT CORP."};
            static constexpr std::array kPlaces = {"ILOILO", "PANAY",    "WESTERN VISAYAS",
                                                   "NEGROS", "GUIMARAS", "AKLAN"};
            for (int i = 1; i <= 30; ++i) {
                companies_.push_back("C" + padded(i, 3));
                company.row(
                    {companies_.back(), std::string(rnd_.pick(kPlaces)) + " " + rnd_.pick(kFirms), 0});
            }
            static constexpr std::array kHmos = {"MEDIHEALTH HMO, INC.", "CAREPLUS HEALTH PLANS",
                                                 "LIFELINE HEALTHCARE",  "VISAYAS MEDICARD",
                                                 "PHILCARE ASSURANCE",   "HEALTHWAY PLANS"};
            for (std::size_t i = 0; i < kHmos.size(); ++i) {
                hmos_.push_back("H" + padded(static_cast<long long>(i) + 1, 3));
                company.row({hmos_.back(), kHmos[i], 1});
            }
        }
        {
            Inserter item(db_, "BUILD_FILE", "tbInvMaster",
                          {"ItemID", "LocationID", "DrugName", "Unit", "IsDrug", "SellingPriceIn",
                           "SellingPriceOut", "OnHand"});
            for (const StockItem& s : kSupplies)
                item.row({s.id, "MRISUP", s.name, s.unit, 0, s.priceIn, s.priceOut, 500.0});
            for (const StockItem& s : kMedicines)
                item.row({s.id, "MRIPHA", s.name, s.unit, 1, s.priceIn, s.priceOut, 80.0});
        }
        exec(db_, "INSERT INTO BUILD_FILE__tbInvLocation (LocationID, Location) VALUES "
                  "('MRISUP', 'MRI SUPPLY ROOM'), ('MRIPHA', 'MRI PHARMACY STOCK'), ('CSR', 'CENTRAL SUPPLY "
                  "ROOM')");
        // The demo log-ins (DEMO / demo, RADIO / radio, NURSE / nurse) so the
        // program can be tried on this database; the other clerks cannot log in.
        exec(db_,
             "INSERT INTO PASSWORD__tbPasswordMain (EmployeeID, UserID, LastName, FirstName, MiddleName, "
             "Initial, "
             "Position, DeptCode, Station, PasswordSalt, PasswordHash, CanVerify) "
             "SELECT e, u, l, f, m, i, p, 'MI', 'MRI-1', salt, hash_password(s, salt), v FROM ("
             "SELECT 'E0101' e, 'DEMO' u, 'SANTIAGO' l, 'ANA' f, 'MAGALLANES' m, 'AMS' i, 'MRI CLERK' p, "
             "'A55B975D81' s, new_salt() salt, 1 v UNION ALL "
             "SELECT 'E0102', 'RADIO', 'REYES', 'MARIA LOURDES', 'SANTOS', 'MLR', 'RADIOLOGIST', 'A549FD3AEE "
             "E', "
             "new_salt(), 1 UNION ALL "
             "SELECT 'E0103', 'NURSE', 'LIM', 'GRACE', 'ONG', 'GOL', 'RADIOLOGIC TECHNOLOGIST', "
             "'A545ED38E61C', "
             "new_salt(), 0 UNION ALL "
             "SELECT 'E0104', 'CLERK4', 'ROSARIO', 'JOY', 'ABAD', 'JAR', 'MRI CLERK', hex(randomblob(8)), "
             "new_salt(), 0 UNION ALL "
             "SELECT 'E0105', 'CLERK5', 'BERNAL', 'MARK', 'UY', 'MUB', 'MRI CLERK', hex(randomblob(8)), "
             "new_salt(), 0 UNION ALL "
             "SELECT 'E0106', 'CLERK6', 'TAN', 'LIZA', 'ONG', 'LOT', 'MRI CLERK', hex(randomblob(8)), "
             "new_salt(), 0)");
        users_ = {"E0101", "E0101", "E0103", "E0104", "E0105", "E0106"};
    }

    void patients() {
        Inserter master(db_, "PATIENT_DATA", "tbMaster",
                        {"HospNum", "LastName", "FirstName", "MiddleName", "Sex", "BirthDate", "CivilStatus",
                         "HouseStreet", "Barangay", "ZipCode", "TelNum", "AccountNum"});
        const int walkIns = o_.patients / 12;
        const int regular = o_.patients - walkIns;
        patients_.reserve(static_cast<std::size_t>(o_.patients));
        const int thisYear = yearOf(now_);
        for (int i = 0; i < o_.patients; ++i) {
            const bool walkIn = i >= regular;
            Patient p;
            p.hospNum = walkIn ? "T" + padded(i - regular + 1, 6) : padded(i + 1, 6);
            p.sex = rnd_.chance(0.5) ? 'M' : 'F';
            const int r = rnd_.between(0, 99);
            p.account = walkIn   ? std::string()
                        : r < 80 ? p.hospNum
                        : r < 92 ? rnd_.pick(companies_)
                                 : rnd_.pick(hmos_);
            const int age = rnd_.chance(0.1) ? rnd_.between(0, 17) : rnd_.between(18, 92);
            const Time birth = sys_days{year{thisYear - age} / rnd_.between(1, 12) / rnd_.between(1, 28)};
            const char* civil = age < 18                       ? "0"
                                : age < 25                     ? "1"
                                : age > 70 && rnd_.chance(0.4) ? "3"
                                : rnd_.chance(0.75)            ? "2"
                                                               : "1";
            const Town& town = rnd_.pick(kTowns);
            master.row({p.hospNum, rnd_.pick(kLastNames),
                        p.sex == 'M' ? rnd_.pick(kMaleNames) : rnd_.pick(kFemaleNames), rnd_.pick(kLastNames),
                        std::string(1, p.sex), walkIn && rnd_.chance(0.1) ? Cell() : Cell(iso(birth)), civil,
                        std::to_string(rnd_.between(1, 250)) + " " + rnd_.pick(kStreets),
                        rnd_.pick(kBarangays), town.zip,
                        rnd_.chance(0.4) ? Cell("09" + padded(rnd_.between(10, 99), 2) + "-555-" +
                                                padded(rnd_.between(0, 9999), 4))
                                         : Cell(),
                        walkIn ? Cell() : Cell(p.account)});
            patients_.push_back(std::move(p));
            (walkIn ? walkInIdx_ : regularIdx_).push_back(static_cast<int>(patients_.size()) - 1);
        }
        s_.patients = master.count();
    }

    const Exam& pickExam(char sex) {
        static const int total = [] {
            int t = 0;
            for (const Exam& e : kExams)
                t += e.weight;
            return t;
        }();
        for (;;) {
            int w = rnd_.between(0, total - 1);
            for (const Exam& e : kExams) {
                if (w < e.weight) {
                    if (e.sex && e.sex != sex)
                        break;
                    return e;
                }
                w -= e.weight;
            }
        }
    }

    const Room& pickRoom() {
        // Wards fill most beds; the dearer rooms are fewer.
        const int r = rnd_.between(0, 99);
        const char cls = r < 30   ? 'A'
                         : r < 45 ? 'B'
                         : r < 60 ? 'C'
                         : r < 72 ? 'D'
                         : r < 80 ? 'E'
                         : r < 84 ? 'F'
                         : r < 88 ? 'G'
                         : r < 95 ? 'H'
                                  : 0;
        for (;;) {
            const Room& room = rnd_.pick(rooms_);
            if (room.roomClass == cls)
                return room;
        }
    }

    Visit newVisit(Time t) {
        Visit v;
        const int r = rnd_.between(0, 99);
        v.type = r < 45 ? 'I' : r < 85 ? 'O' : 'C';
        const bool walkIn = v.type == 'C' && rnd_.chance(0.7);
        v.patient = &patients_[static_cast<std::size_t>(rnd_.pick(walkIn ? walkInIdx_ : regularIdx_))];
        v.doctor = rnd_.pick(referring_);
        v.room = nullptr;
        const Time never = now_ + days{3650};
        if (v.type == 'I') {
            v.start = t - minutes{rnd_.between(120, 3 * 24 * 60)};
            const int y = yearOf(v.start);
            v.idNum = padded(y % 100, 2) + padded(++admissionSeq_[y], 5);
            v.room = &pickRoom();
            const Time discharge = v.start + days{rnd_.between(2, 12)} + hours{rnd_.between(0, 10)};
            v.end = discharge > now_ ? never : discharge;
            const bool open = v.end == never;
            admission_->row({v.idNum, v.patient->hospNum, iso(v.start), open ? Cell() : Cell(iso(discharge)),
                             open ? Cell() : Cell(isoDate(discharge)), v.room->id, v.doctor,
                             v.patient->account});
            const int k = rnd_.between(0, 99);
            admission2_->row({v.idNum, open && rnd_.chance(0.03) ? 0 : 1,
                              k < 85   ? "REG"
                              : k < 97 ? "ER"
                                       : "KV"});
            if (open)
                openVisits_.push_back(v);
            ++s_.admissions;
        } else if (v.type == 'O') {
            v.start = t - minutes{rnd_.between(10, 90)};
            const int y = yearOf(v.start);
            const int key = y * 100 + static_cast<int>(monthOf(v.start));
            v.idNum = "OPD" + padded(key % 10000, 4) + padded(++outPatientSeq_[key], 4);
            const Time done = v.start + hours{rnd_.between(3, 6)};
            v.end = done > now_ ? never : done;
            const bool open = v.end == never;
            outPatient_->row({v.idNum, v.patient->hospNum, iso(v.start), open ? Cell() : Cell(iso(done)),
                              open ? Cell() : Cell(isoDate(done)), rnd_.chance(0.01) ? "R" : "A",
                              v.patient->account, v.doctor});
            if (open)
                openVisits_.push_back(v);
            ++s_.outPatients;
        } else {
            v.start = t;
            v.end = t;
            v.idNum = v.patient->hospNum;
        }
        return v;
    }

    std::string nextRequestNum(Time t) {
        const int y = yearOf(t);
        return padded(y % 100, 2) + padded(++requestSeq_[y], 6);
    }

    // One charge slip of a visit: its exams, and the reader's fee, supplies and
    // medicines that go with them; every line carries the slip number.
    void slip(const Visit& v, Time t) {
        std::string refNum;
        if (v.type == 'C') {
            refNum = "OR-" + std::to_string(++orNumber_);
            const std::string assessment = "MI" + std::to_string(++assessmentNum_);
            receipt_->row({refNum, v.patient->hospNum, v.idNum, "OPD", iso(t - minutes{rnd_.between(20, 60)}),
                           assessment, v.doctor, "DR. " + std::string(rnd_.pick(kLastNames)),
                           "CASHIER " + std::to_string(rnd_.between(1, 3))});
            ++s_.receipts;
        } else {
            refNum = "C" + std::to_string(++chargeSlip_) + "S";
        }
        ++s_.slips;
        const char roomClass = v.type == 'I'   ? (v.room->roomClass ? v.room->roomClass : 'A')
                               : v.type == 'O' ? 'A'
                                               : 'G';
        const std::string roomId = v.type == 'I' ? v.room->id : "OPD";
        const std::string user = rnd_.pick(users_);
        const double age = duration<double, days::period>(now_ - t).count();
        const bool cancelled = age > 0.2 && rnd_.chance(0.02);
        const Time cancelDate = t + minutes{rnd_.between(30, 600)};

        struct Line {
            const char* revenue;
            std::string item, description;
            double quantity, amount;
            const char* location;
            const char* invCode;
        };
        std::vector<Line> lines;
        const int exams = rnd_.chance(0.8) ? 1 : rnd_.chance(0.85) ? 2 : 3;
        bool contrast = false;
        std::vector<const Exam*> chosen;
        while (static_cast<int>(chosen.size()) < exams) {
            const Exam& e = pickExam(v.patient->sex);
            if (std::find(chosen.begin(), chosen.end(), &e) != chosen.end())
                continue;
            chosen.push_back(&e);
            contrast = contrast || e.contrast;
            lines.push_back({"MI", e.code, e.name, 1, rate(e.base, roomClass), nullptr, nullptr});
        }
        if (v.type != 'C' && rnd_.chance(0.55)) {
            const std::string& reader = rnd_.pick(radiologists_);
            lines.push_back(
                {"MD", reader, readerName_[reader], 1, rnd_.chance(0.7) ? 1500.0 : 2000.0, nullptr, nullptr});
        }
        const bool inPrice = v.type == 'I';
        if (rnd_.chance(v.type == 'C' ? 0.25 : 0.35)) {
            const StockItem& s = rnd_.pick(kSupplies);
            const int q = rnd_.between(1, 2);
            lines.push_back(
                {"MS", s.id, s.name, double(q), q * (inPrice ? s.priceIn : s.priceOut), "MRISUP", "CSR"});
        }
        if (contrast ? rnd_.chance(0.9) : rnd_.chance(0.05)) {
            const StockItem& m =
                contrast ? kMedicines[static_cast<std::size_t>(rnd_.between(0, 1))] : rnd_.pick(kMedicines);
            lines.push_back({"MZ", m.id, m.name, 1, inPrice ? m.priceIn : m.priceOut, "MRIPHA", "PHA"});
        }

        // Some exams were asked for by the ward or clinic first.
        std::optional<long long> wardRequest;
        std::string wardRef;
        if (v.type != 'C' && rnd_.chance(0.05)) {
            wardRequest = ++nurseRequestId_;
            wardRef = (v.type == 'I' ? "WR-" : "OC-") + padded(yearOf(t) % 100, 2) + padded(monthOf(t), 2) +
                      "-" + padded(nurseRequestId_ % 10000, 4);
            const Line& exam = lines.front();
            nurse_->row({*wardRequest, "MI", std::string(1, v.type), v.patient->hospNum, v.idNum, exam.item,
                         1.0, exam.amount, v.doctor, nurseName(), rnd_.pick(kWardRemarks), wardRef,
                         iso(t - minutes{rnd_.between(30, 360)}), "S", user, iso(t), nullptr, nullptr});
            ++s_.nurseRequests;
        }
        if (v.type != 'C' && rnd_.chance(0.005)) {
            const Exam& e = pickExam(v.patient->sex);
            ++nurseRequestId_;
            nurse_->row({nurseRequestId_, "MI", std::string(1, v.type), v.patient->hospNum, v.idNum, e.code,
                         1.0, rate(e.base, roomClass), v.doctor, nurseName(), "",
                         std::string("WR-REV-") + std::to_string(nurseRequestId_),
                         iso(t - minutes{rnd_.between(60, 600)}), "R", nullptr, nullptr, user, iso(t)});
            ++s_.nurseRequests;
        }

        bool first = true;
        for (const Line& l : lines) {
            if (s_.requests >= o_.requests)
                return;
            const std::string requestNum = nextRequestNum(t);
            std::string status;
            if (cancelled)
                status = "R";
            else if (std::string_view(l.revenue) != "MI")
                status = "X";
            else if (age < 1)
                status = rnd_.chance(0.7) ? "W" : rnd_.chance(0.8) ? "X" : "Y";
            else if (age < 4)
                status = rnd_.chance(0.2) ? "W" : rnd_.chance(0.4) ? "X" : "Y";
            else
                status = rnd_.chance(0.965) ? "Y" : rnd_.chance(0.85) ? "X" : "W";
            const bool linked = first && wardRequest;
            request_->row({requestNum,
                           refNum,
                           l.revenue,
                           std::string(1, v.type),
                           v.patient->hospNum,
                           v.idNum,
                           l.item,
                           l.description,
                           l.quantity,
                           l.amount,
                           v.doctor,
                           roomId,
                           user,
                           iso(t),
                           status,
                           l.location ? Cell(l.location) : Cell(),
                           l.invCode ? Cell(l.invCode) : Cell(),
                           linked ? Cell(wardRef) : Cell(),
                           linked ? Cell(*wardRequest) : Cell(),
                           cancelled ? Cell(rnd_.pick(users_)) : Cell(),
                           cancelled ? Cell(iso(cancelDate)) : Cell()});
            ++s_.requests;
            first = false;
            if (v.type == 'C')
                continue;
            const Cell reader = std::string_view(l.revenue) == "MD" ? Cell(l.item) : Cell();
            charge_->row({std::string(1, v.type), v.idNum, v.patient->hospNum, l.revenue, l.item,
                          l.description, l.quantity, l.amount, reader, refNum, requestNum, iso(t), user});
            if (cancelled)
                charge_->row({std::string(1, v.type), v.idNum, v.patient->hospNum, l.revenue, l.item,
                              l.description, -l.quantity, -l.amount, reader, refNum, requestNum,
                              iso(cancelDate), user});
        }
    }

    std::string nurseName() {
        return "RN " + std::string(rnd_.pick(kFemaleNames)) + " " + rnd_.pick(kLastNames);
    }

    void work() {
        Inserter admission(db_, "PATIENT_DATA", "tbPatient",
                           {"IDNum", "HospNum", "AdmDate", "DcrDate", "BillingDate", "RoomID",
                            "AttendingDrID", "AccountNum"});
        Inserter admission2(db_, "PATIENT_DATA", "tbPatient2", {"IDNum", "OkeyMRI", "AdmissionTypeID"});
        Inserter outPatient(
            db_, "PATIENT_DATA", "tbOutPatient",
            {"IdNum", "HospNum", "AdmDate", "DcrDate", "BillingDate", "OPDStatus", "AccountNum", "DoctorID"});
        Inserter request(db_, "RADIOLOGY", "tbMRIRequest",
                         {"RequestNum", "RefNum",  "RevenueID",   "PatientType",    "HospNum",
                          "IDNum",      "ItemID",  "Description", "Quantity",       "Amount",
                          "DoctorID",   "RoomID",  "UserID",      "TransDate",      "Status",
                          "LocationID", "InvCode", "RequestRef",  "NurseRequestID", "CancelledBy",
                          "CancelDate"});
        Inserter charge(db_, "BILLING", "tbPatientCharges",
                        {"PatientType", "IDNum", "HospNum", "RevenueID", "ItemID", "Description", "Quantity",
                         "Amount", "DoctorID", "RefNum", "RequestNum", "TransDate", "UserID"});
        Inserter nurse(db_, "RADIOLOGY", "tbNurseRequest",
                       {"RequestID", "RevenueID", "PatientType", "HospNum", "IDNum", "ItemID", "Quantity",
                        "Amount", "DoctorID", "RequestingNurse", "Remarks", "RequestRef", "RequestDate",
                        "Status", "ServedBy", "ServedDate", "RevokedBy", "RevokedDate"});
        Inserter receipt(db_, "BILLING", "tbCashReceipt",
                         {"ORNumber", "HospNum", "IDNum", "RoomID", "PaidDate", "AssessmentNum",
                          "RequestDocID", "DoctorName", "Cashier"});
        admission_ = &admission;
        admission2_ = &admission2;
        outPatient_ = &outPatient;
        request_ = &request;
        charge_ = &charge;
        nurse_ = &nurse;
        receipt_ = &receipt;

        // Work spreads evenly over the department's hours (06:00 to 21:00) of
        // every day of the years, up to a little before now.
        const sys_days firstDay = floor<days>(now_) - days{365 * o_.years};
        const sys_days today = floor<days>(now_);
        const long long perDay = 15 * 3600;
        const long long todaySoFar = std::clamp<long long>(
            duration_cast<seconds>(now_ - minutes{15} - (today + hours{6})).count(), 0, perDay);
        const double working = double((today - firstDay).count()) * perDay + double(todaySoFar);
        while (s_.requests < o_.requests) {
            const auto at = static_cast<long long>(working * s_.requests / o_.requests);
            const Time t = firstDay + days{at / perDay} + hours{6} + seconds{at % perDay};
            const Visit v = newVisit(t);
            slip(v, t);
            // A stay brings more exams later, while the patient is still in.
            if (v.type == 'I') {
                Time next = t;
                for (int more = rnd_.chance(0.25) ? rnd_.between(1, 2) : 0; more > 0; --more) {
                    next += hours{rnd_.between(8, 48)};
                    if (next >= v.end || next > now_ - minutes{15})
                        break;
                    slip(v, next);
                }
            }
        }
        s_.charges = charge.count();
        admission_ = admission2_ = outPatient_ = request_ = charge_ = nurse_ = receipt_ = nullptr;
    }

    // What the wards and clinics have sent and nobody has charged yet: a
    // handful for MRI, and a few for the other imaging departments.
    void pendingWardRequests() {
        Inserter nurse(db_, "RADIOLOGY", "tbNurseRequest",
                       {"RequestID", "RevenueID", "PatientType", "HospNum", "IDNum", "ItemID", "Quantity",
                        "Amount", "DoctorID", "RequestingNurse", "Remarks", "RequestRef", "RequestDate",
                        "Status"});
        auto add = [&](const Visit& v, const char* revenue, const std::string& item, double amount) {
            ++nurseRequestId_;
            nurse.row({nurseRequestId_, revenue, std::string(1, v.type), v.patient->hospNum, v.idNum, item,
                       1.0, amount, v.doctor, nurseName(), rnd_.pick(kWardRemarks),
                       (v.type == 'I' ? "WR-" : "OC-") + padded(nurseRequestId_ % 100000, 5),
                       iso(now_ - minutes{rnd_.between(5, 300)}), "P"});
        };
        for (std::size_t i = 0; i < openVisits_.size() && i < 9; ++i) {
            const Visit& v = openVisits_[openVisits_.size() - 1 - i * 3 % openVisits_.size()];
            const Exam& e = pickExam(v.patient->sex);
            add(v, "MI", e.code, rate(e.base, v.room && v.room->roomClass ? v.room->roomClass : 'A'));
        }
        for (std::size_t i = 0; i < openVisits_.size() && i < 5; ++i)
            add(openVisits_[i], i < 3 ? "XR" : "CT", i < 3 ? "XR001" : "CT001", i < 3 ? 450.0 : 4500.0);
        s_.pendingNurseRequests = nurse.count();
        s_.nurseRequests += nurse.count();
    }

    void counters() {
        const int y = yearOf(now_);
        exec(db_, "INSERT INTO RADIOLOGY__tbMRIRequestNum (CSlip) VALUES (" +
                      std::to_string(chargeSlip_ + 1) + ")");
        exec(db_, "INSERT INTO RADIOLOGY__tbRadioCounter (Name, Value) VALUES ('MRIRequest', " +
                      padded(y % 100, 2) + padded(requestSeq_[y] + 1, 6) + "), ('NurseRequest', " +
                      std::to_string(nurseRequestId_ + 1) + ")");
        exec(db_, "INSERT INTO BILLING__tbAssessmentNum (AssessmentNum) VALUES (" +
                      std::to_string(assessmentNum_ + 1) + ")");
    }

    sqlite3* db_;
    const HospitalGenerator::Options& o_;
    HospitalGenerator::Summary& s_;
    Random rnd_;
    Time now_;

    std::vector<std::string> radiologists_, referring_, companies_, hmos_, users_;
    std::map<std::string, std::string> readerName_;
    std::vector<Room> rooms_;
    std::vector<Patient> patients_;
    std::vector<int> regularIdx_, walkInIdx_;
    std::vector<Visit> openVisits_;

    std::map<int, long long> admissionSeq_, outPatientSeq_, requestSeq_;
    long long chargeSlip_ = 1000, orNumber_ = 100000, assessmentNum_ = 0, nurseRequestId_ = 0;

    Inserter* admission_ = nullptr;
    Inserter* admission2_ = nullptr;
    Inserter* outPatient_ = nullptr;
    Inserter* request_ = nullptr;
    Inserter* charge_ = nullptr;
    Inserter* nurse_ = nullptr;
    Inserter* receipt_ = nullptr;
};

} // namespace

HospitalGenerator::Summary HospitalGenerator::generate(const std::string& path, const Options& options) {
    if (std::filesystem::exists(path))
        throw std::runtime_error(path + " already exists");
    const auto started = steady_clock::now();
    // Built under another name and renamed when complete, so that an
    // interrupted run never leaves a half-filled database behind.
    const std::string partial = path + ".part";
    auto removePartial = [&] {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            std::filesystem::remove(partial + suffix);
    };
    removePartial();
    Summary summary;
    try {
        auto db = server::Database::open(partial, server::Database::OpenMode::CreateEmpty);
        sqlite3* h = db->handle();
        // One transaction with a large cache: every index page stays in memory
        // until the commit writes it once.
        exec(h, "PRAGMA cache_size = -1048576");
        exec(h, "BEGIN IMMEDIATE");
        try {
            Generator(h, options, summary).run();
            exec(h, "COMMIT");
        } catch (...) {
            sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
        exec(h, "PRAGMA wal_checkpoint(TRUNCATE)");
    } catch (...) {
        removePartial();
        throw;
    }
    std::filesystem::rename(partial, path);
    removePartial();
    summary.seconds = duration<double>(steady_clock::now() - started).count();
    return summary;
}

} // namespace tavrix::bench
