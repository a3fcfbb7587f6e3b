# cmake -P: the steps of install.outside_project (tests/install).
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command}\nexit ${rc}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${STAGE})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}/prefix)
set(lib ${STAGE}/prefix/${LIBDIR})

# What each program prints: the library's identity from both interfaces.
set(expected "promocionesQEX Quentrix - Promociones 5.5")

# CMake: find_package(promocionesQEX CONFIG), promocionesQEX::promocionesQEX.
run(${CMAKE_COMMAND} -S ${CONSUMER} -B ${STAGE}/cmake-build
    -DCMAKE_PREFIX_PATH=${STAGE}/prefix -DCMAKE_CXX_COMPILER=${CXX}
    -DCMAKE_C_COMPILER=${CC})
run(${CMAKE_COMMAND} --build ${STAGE}/cmake-build)
run(${STAGE}/cmake-build/consumer)
if(NOT out STREQUAL "${expected}\n")
  message(FATAL_ERROR "find_package consumer printed \"${out}\"")
endif()

# pkg-config: the C interface from a C program.
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${lib}/pkgconfig)
  run(${PKG_CONFIG} --cflags --libs promocionesQEX)
  string(STRIP "${out}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${CC} ${CONSUMER}/consumer.c ${flags} -Wl,-rpath,${lib}
      -o ${STAGE}/pc-consumer)
  run(${STAGE}/pc-consumer)
  if(NOT out STREQUAL "${expected}\n")
    message(FATAL_ERROR "pkg-config consumer printed \"${out}\"")
  endif()
else()
  message(FATAL_ERROR "pkg-config not found")
endif()

# The sqlite3 shell reads the schema's collated keys only with the
# extension loaded.
if(SQLITE3)
  set(store ${STAGE}/store.db)
  run(${STAGE}/prefix/${BINDIR}/promociones init --bd ${store})
  set(query "SELECT COUNT(*) FROM Cliente WHERE Cl_Cve_Cliente = 'x';")
  execute_process(COMMAND ${SQLITE3} ${store} ${query}
                  RESULT_VARIABLE without ERROR_QUIET OUTPUT_QUIET)
  if(without EQUAL 0)
    message(FATAL_ERROR "the store read without the extension")
  endif()
  run(${SQLITE3} ${store} ".load ${lib}/libqex_tsql_ext" "${query}")
  if(NOT out STREQUAL "0\n")
    message(FATAL_ERROR "sqlite3 with the extension printed \"${out}\"")
  endif()
endif()
