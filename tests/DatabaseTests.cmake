# Database tests run once per ODBC driver.
#
# kelvaro_register_database_test(<name> <env>) registers
#   <name>_sqlite    against the SQLite3 ODBC driver and a SQLite file of
#                    its own in the build tree;
#   <name>_postgres  against psqlODBC and a database of its own in the
#                    throwaway PostgreSQL cluster that the pg_server fixture
#                    starts on loopback (and stops after the last test).
# Each registration gets its own odbcinst.ini + odbc.ini, written here and
# selected through ODBCSYSINI / ODBCINI, with DSN vomar (the program's data
# source, NoCreat=1 on SQLite) and DSN vomar_admin (the test fixture's side
# door: it may create the SQLite file, and on PostgreSQL it reaches the
# maintenance database to create the test's own database). Two more reach
# the same database for the tests of waiting: vomar_unset sets no wait of
# its own (a data source that a school writes by hand; on PostgreSQL the
# same as vomar), vomar_own a lock wait of 1.5 s of its own. Since no two
# tests share a file or a database, the tests run in parallel.

# The drivers: cmake/OdbcDrivers.cmake.
file(GLOB _kelvaro_pg_bindirs /usr/lib/postgresql/*/bin/initdb)

# A missing driver or server leaves its half of the database tests out, and
# says so, instead of failing the configure: the rest still builds and runs.
set(KELVARO_TEST_SQLITE ON)
set(KELVARO_TEST_POSTGRES ON)
if(NOT KELVARO_SQLITE_ODBC_DRIVER)
    set(KELVARO_TEST_SQLITE OFF)
    message(WARNING "libsqlite3odbc.so not found (package libsqliteodbc): "
        "the *_sqlite database tests are left out.")
endif()
if(NOT KELVARO_PSQL_ODBC_DRIVER OR NOT _kelvaro_pg_bindirs)
    set(KELVARO_TEST_POSTGRES OFF)
    message(WARNING "psqlodbcw.so or the PostgreSQL server binaries not found "
        "(packages odbc-postgresql, postgresql): the *_postgres database tests are left out.")
endif()

# Each build tree gets its own port and cluster folder, so that two build
# trees can run their tests at the same time.
kelvaro_tree_hash(4 _kelvaro_tree_hash)
math(EXPR _kelvaro_default_port "0x${_kelvaro_tree_hash} % 10000 + 40000")
set(KELVARO_PG_TEST_PORT "${_kelvaro_default_port}" CACHE STRING
    "Loopback port of the throwaway PostgreSQL test cluster")
set(KELVARO_PG_TEST_DIR "/tmp/kelvaro-pg-${KELVARO_PG_TEST_PORT}" CACHE PATH
    "Folder of the throwaway PostgreSQL test cluster (removed when the tests end)")
set(KELVARO_PG_TEST_ROLE kelvaro_test)
# Inside the network namespace of a netns test: an address on a link of its
# own whose packets go nowhere.
set(KELVARO_NETNS_UNREACHABLE_ADDRESS 10.77.0.2)

if(KELVARO_TEST_POSTGRES)
    kelvaro_add_server_fixture(pg_server SCRIPT ${PROJECT_SOURCE_DIR}/scripts/pg-test-server.sh
        ARGUMENTS ${KELVARO_PG_TEST_DIR} ${KELVARO_PG_TEST_PORT} START_TIMEOUT 180
        LABELS db postgres)
endif()

function(kelvaro_register_database_test name env labels)
    if(labels)
        set(labels ";${labels}")
    endif()
    set(common_env ${env} "KELVARO_TEST_DATA_DIR=${PROJECT_SOURCE_DIR}/data")
    if(KELVARO_TEST_SQLITE)
        kelvaro_register_sqlite_test(${name} "${common_env}" "${labels}")
    endif()
    if(KELVARO_TEST_POSTGRES)
        kelvaro_register_postgres_test(${name} "${common_env}" "${labels}")
    endif()
endfunction()

function(kelvaro_register_sqlite_test name common_env labels)

    # SQLite: a file per test program.
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/odbc/${name}_sqlite)
    set(file ${dir}/test.db)
    file(CONFIGURE OUTPUT ${dir}/odbcinst.ini CONTENT
"[SQLite3]
Description=SQLite3 ODBC Driver
Driver=${KELVARO_SQLITE_ODBC_DRIVER}
")
    file(CONFIGURE OUTPUT ${dir}/odbc.ini CONTENT
"[vomar]
Driver=SQLite3
Database=${file}
NoCreat=1
Timeout=2500

[vomar_admin]
Driver=SQLite3
Database=${file}
NoCreat=0
Timeout=5000

[vomar_unset]
Driver=SQLite3
Database=${file}
NoCreat=1

[vomar_own]
Driver=SQLite3
Database=${file}
NoCreat=1
Timeout=1500
")
    add_test(NAME ${name}_sqlite COMMAND ${name})
    set_tests_properties(${name}_sqlite PROPERTIES TIMEOUT ${KELVARO_DB_TEST_TIMEOUT} LABELS "db;sqlite${labels}" ENVIRONMENT
        "${common_env};KELVARO_TEST_BACKEND=sqlite;ODBCSYSINI=${dir};ODBCINI=${dir}/odbc.ini;KELVARO_TEST_SQLITE_FILE=${file}")

endfunction()

# Writes odbcinst.ini + odbc.ini for a PostgreSQL test into `dir`: the data
# sources above on the cluster at 127.0.0.1:`port`, the test's own database
# `database`. The program's connect string carries only the password, so the
# user name is in the DSN. Server-side prepare is off: with it, the server
# infers integer for the untyped "( ? - 1 )" of the height query and refuses
# a height such as 150.5, even though the parameter is bound as REAL;
# tst_transaction's floatParameterQuery checks this. The fixture's side door
# sets no statement limit of its own: creating and dropping the tests'
# databases waits for the server's checkpoints, which take a while when many
# tests run at once. A fourth argument adds
# sections of the caller's own.
function(kelvaro_write_postgres_ini dir database port)
    set(extra "${ARGN}")
    file(CONFIGURE OUTPUT ${dir}/odbcinst.ini CONTENT
"[PostgreSQL Unicode]
Description=PostgreSQL ODBC driver (Unicode version)
Driver=${KELVARO_PSQL_ODBC_DRIVER}
")
    set(common "Driver=PostgreSQL Unicode
Servername=127.0.0.1
Port=${port}
Username=${KELVARO_PG_TEST_ROLE}
SSLMode=disable
UseServerSidePrepare=0")
    file(CONFIGURE OUTPUT ${dir}/odbc.ini CONTENT
"[vomar]
${common}
Database=${database}

[vomar_admin]
${common}
Database=kelvaro
pqopt=options='-c statement_timeout=0'

[vomar_unset]
${common}
Database=${database}

[vomar_own]
${common}
Database=${database}
pqopt=options='-c lock_timeout=1500'

[vomar_own_spelt]
${common}
Database=${database}
pqopt=options='--LOCK-TIMEOUT=1000'
${extra}")
endfunction()

function(kelvaro_postgres_database_name name out)
    string(TOLOWER "kelvaro_t_${name}" database)
    string(MAKE_C_IDENTIFIER "${database}" database)
    set(${out} ${database} PARENT_SCOPE)
endfunction()

function(kelvaro_register_postgres_test name common_env labels)
    # PostgreSQL: a database per test program in the shared test cluster.
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/odbc/${name}_postgres)
    kelvaro_postgres_database_name(${name} database)
    kelvaro_write_postgres_ini(${dir} ${database} ${KELVARO_PG_TEST_PORT})
    add_test(NAME ${name}_postgres COMMAND ${name})
    set_tests_properties(${name}_postgres PROPERTIES TIMEOUT ${KELVARO_DB_TEST_TIMEOUT} LABELS "db;postgres${labels}"
        FIXTURES_REQUIRED pg_server ENVIRONMENT
        "${common_env};KELVARO_TEST_BACKEND=postgres;ODBCSYSINI=${dir};ODBCINI=${dir}/odbc.ini;KELVARO_TEST_PG_DATABASE=${database};KELVARO_TEST_PG_PORT=${KELVARO_PG_TEST_PORT}")
endfunction()

# kelvaro_register_netns_test(<name> <env> <labels>) registers <name>_netns:
# the test inside a network namespace of its own (scripts/netns-test.sh),
# with a PostgreSQL cluster of its own there, so that it may take the
# network away. It needs root: elsewhere it is skipped and says why. Beside
# the data sources of every PostgreSQL test, vomar_unreachable names an
# address inside the namespace that takes packets and never answers (the
# test makes it).
function(kelvaro_register_netns_test name common_env labels)
    if(NOT KELVARO_TEST_POSTGRES)
        return()
    endif()
    if(labels)
        set(labels ";${labels}")
    endif()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/odbc/${name}_netns)
    kelvaro_postgres_database_name(${name} database)
    # A namespace of its own has ports of its own: the cluster's port is the
    # shared one's, its folder is not.
    kelvaro_write_postgres_ini(${dir} ${database} ${KELVARO_PG_TEST_PORT} "
[vomar_unreachable]
Driver=PostgreSQL Unicode
Servername=${KELVARO_NETNS_UNREACHABLE_ADDRESS}
Port=5432
Database=${database}
Username=${KELVARO_PG_TEST_ROLE}
SSLMode=disable
UseServerSidePrepare=0

[vomar_named]
Driver=PostgreSQL Unicode
Servername=kelvaro-db.example
Port=${KELVARO_PG_TEST_PORT}
Database=${database}
Username=${KELVARO_PG_TEST_ROLE}
SSLMode=disable
UseServerSidePrepare=0

[vomar_abstract]
Driver=PostgreSQL Unicode
Servername=@kelvaro-pg-${KELVARO_PG_TEST_PORT}
Port=${KELVARO_PG_TEST_PORT}
Database=${database}
Username=${KELVARO_PG_TEST_ROLE}
SSLMode=disable
UseServerSidePrepare=0
")
    add_test(NAME ${name}_netns COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/netns-test.sh
        ${KELVARO_PG_TEST_DIR}-netns-${name} ${KELVARO_PG_TEST_PORT} $<TARGET_FILE:${name}>)
    set_tests_properties(${name}_netns PROPERTIES TIMEOUT ${KELVARO_DB_TEST_TIMEOUT}
        LABELS "db;postgres;netns${labels}" SKIP_RETURN_CODE 77 ENVIRONMENT
        "${common_env};KELVARO_TEST_BACKEND=postgres;ODBCSYSINI=${dir};ODBCINI=${dir}/odbc.ini;KELVARO_TEST_PG_DATABASE=${database};KELVARO_TEST_PG_PORT=${KELVARO_PG_TEST_PORT};KELVARO_TEST_UNREACHABLE_ADDRESS=${KELVARO_NETNS_UNREACHABLE_ADDRESS};KELVARO_TEST_PG_CLUSTER_DIR=${KELVARO_PG_TEST_DIR}-netns-${name}")
endfunction()
