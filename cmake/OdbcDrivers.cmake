# The ODBC drivers that the database tests and the benchmarks run against,
# looked up once for both: the SQLite3 driver of the embedded default and
# psqlODBC, the PostgreSQL one. Either may be missing (the variable is then
# false); who needs it says what that leaves out.
set(_kelvaro_odbc_hints
    /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/odbc /usr/lib/x86_64-linux-gnu/odbc
    /usr/lib/aarch64-linux-gnu/odbc /usr/lib/odbc /usr/local/lib)
find_file(KELVARO_SQLITE_ODBC_DRIVER libsqlite3odbc.so HINTS ${_kelvaro_odbc_hints}
    DOC "SQLite3 ODBC driver (Debian libsqliteodbc)")
find_file(KELVARO_PSQL_ODBC_DRIVER psqlodbcw.so HINTS ${_kelvaro_odbc_hints}
    DOC "PostgreSQL Unicode ODBC driver (Debian odbc-postgresql)")
