# Sources of the converters' netCDF-free logic, as paths relative to tools/.
# Shared by tools/CMakeLists.txt and the program's tests (tests/data).
set(PELLAMAR_CONVERT_SOURCES)
foreach(file
    convert/geo.h
    convert/gshhg_bins.h convert/gshhg_bins.cpp
    convert/polyline.h convert/polyline.cpp
    convert/outline_text.h convert/outline_text.cpp
    convert/pbf_cities.h convert/pbf_cities.cpp
    convert/cp1252.h convert/cp1252.cpp
    convert/catalogs.h convert/catalogs.cpp
    convert/city_list.h convert/city_list.cpp)
  list(APPEND PELLAMAR_CONVERT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/../${file})
endforeach()
