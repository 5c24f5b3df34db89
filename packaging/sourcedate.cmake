# Every time stamp that a release carries is one time, so that the same source gives the same
# bytes: SOURCE_DATE_EPOCH when the caller sets it, else the time of the newest changelog entry, as
# the Debian changelog made from it says (noon of its day, an hour later for each older release of
# the same day). Sets VEMMICK_SOURCE_DATE_EPOCH and VEMMICK_SOURCE_DATE ("2026-12-09 14:00:00 UTC").
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VEMMICK_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG release_dates REGEX "^[0-9]+\\.[0-9]+\\.[0-9]+ \\([0-9-]+\\)$")
    list(TRANSFORM release_dates REPLACE "^.*\\(([0-9-]+)\\)$" "\\1")
    list(GET release_dates 0 newest)
    list(FILTER release_dates INCLUDE REGEX "^${newest}$")
    list(LENGTH release_dates same_day)
    string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" newest "${newest}")
    # Days since 1970-01-01 of a date in the proleptic Gregorian calendar, years from March on.
    set(year ${CMAKE_MATCH_1})
    set(month ${CMAKE_MATCH_2})
    set(day ${CMAKE_MATCH_3})
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR days "${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 + (153 * ${month} + 2) / 5 + ${day} - 1 - 719468")
    math(EXPR VEMMICK_SOURCE_DATE_EPOCH "${days} * 86400 + (11 + ${same_day}) * 3600")
endif()
# string(TIMESTAMP) reads it, as do the tools that configuring runs.
set(ENV{SOURCE_DATE_EPOCH} ${VEMMICK_SOURCE_DATE_EPOCH})
string(TIMESTAMP VEMMICK_SOURCE_DATE "%Y-%m-%d %H:%M:%S UTC" UTC)
message(STATUS "Release time stamps: ${VEMMICK_SOURCE_DATE} (${VEMMICK_SOURCE_DATE_EPOCH})")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG)
